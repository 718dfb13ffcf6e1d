#include "ZEDireroz/promotion/AboutDialog.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/frame/TickwrenLinks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ZEDireroz {

namespace {
QString const kMakerName = QStringLiteral("Olvenar");
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::CustomizeWindowHint);
    setWindowTitle(QCoreApplication::applicationName() + tr(" Info"));

    // The picture comes from the style sheet's rule for this object name.
    m_pLogoLabel = new QLabel;
    m_pLogoLabel->setObjectName(QStringLiteral("LogoLabel"));
    m_pLogoLabel->setFixedSize(300, 300);
    m_pLogoLabel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_pLogoLabel->setLineWidth(5);
    m_pLogoLabel->setAutoFillBackground(true);

    m_pOkButton = new QPushButton(tr("&Ok"));
    Common::applyPushButtonDetails(m_pOkButton);
    connect(m_pOkButton, &QPushButton::clicked, this, &QDialog::close);

    App* app = App::theApp();
    m_pInfoLabel = new QLabel;
    m_pInfoLabel->setStyleSheet(QStringLiteral("background: black;"));
    m_pInfoLabel->setOpenExternalLinks(true);
    m_pInfoLabel->setFixedHeight(85);
    m_pInfoLabel->setTextFormat(Qt::RichText);
    m_pInfoLabel->setText(infoText(QCoreApplication::applicationName(), app ? app->buildDate() : QDate()));

    QHBoxLayout* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pOkButton);
    buttons->addStretch(1);

    QVBoxLayout* main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(10);
    main->addWidget(m_pLogoLabel);
    main->addWidget(m_pInfoLabel);
    main->addLayout(buttons);
}

QString AboutDialog::infoText(QString const& appName, QDate const& buildDate)
{
    QString const site = QString::fromLatin1(TickwrenLinks::kMakerSite);
    QString const siteText = QUrl(site).host();
    return QStringLiteral("<BODY BGCOLOR=#000000><FONT COLOR=#00A0E0><CENTER>") + appName + QStringLiteral(" Build: ")
           + buildDate.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("<BR>") + QStringLiteral("\u00A9 ")
           + buildDate.toString(QStringLiteral("yyyy")) + QLatin1Char(' ') + kMakerName.toUpper()
           + QStringLiteral(" <BR>") + QStringLiteral("<A HREF=\"%1\">%2</A>").arg(site, siteText)
           + QStringLiteral("<BR>") + QStringLiteral("<IMG SRC=\":/pix/olvenarlogo.png\">")
           + QStringLiteral("</CENTER>");
}

} // namespace ZEDireroz
