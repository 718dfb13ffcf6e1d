#include "ZEDireroz/promotion/SharePanel.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace ZEDireroz {

QPushButton* SharePanel::applyButtonProperties(QPushButton* button, QString const& objectName)
{
    button->setFlat(true);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setCheckable(false);
    button->setObjectName(objectName);
    return button;
}

SharePanel::Buttons SharePanel::createButtons(QString const& kind)
{
    auto make = [&kind](char const* network) {
        return applyButtonProperties(new QPushButton, QLatin1String(network) + kind + QStringLiteral("Button"));
    };
    Buttons const buttons{make("FaceBook"), make("Twitter"), make("VKontakte"), make("Email")};
    App* app = App::theApp();
    buttons.faceBook->setHidden(!app || app->faceBookShareLink().isEmpty());
    buttons.twitter->setHidden(!app || app->twitterShareLink().isEmpty());
    buttons.vkontakte->setHidden(!app || app->vkontakteShareLink().isEmpty());
    return buttons;
}

QVBoxLayout* SharePanel::buttonColumn(Buttons const& buttons)
{
    QVBoxLayout* column = new QVBoxLayout;
    column->setSpacing(6);
    column->setContentsMargins(10, 10, 10, 10);
    for (QPushButton* button : {buttons.faceBook, buttons.twitter, buttons.vkontakte, buttons.email})
        column->addWidget(button);
    return column;
}

void SharePanel::openLink(QUrl const& url)
{
    QDesktopServices::openUrl(url);
}

void SharePanel::buildDialog(QDialog* dialog, QLabel* text, QWidget* panel)
{
    dialog->setObjectName(QStringLiteral("Dialog"));

    QPushButton* close = new QPushButton(QCoreApplication::translate("ZEDireroz::SharePanel", "&Close"));
    Common::applyPushButtonDetails(close);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);

    QHBoxLayout* panelRow = new QHBoxLayout;
    panelRow->setContentsMargins(15, 15, 15, 15);
    panelRow->setSpacing(7);
    panelRow->addStretch(1);
    panelRow->addWidget(panel);
    panelRow->addStretch(1);

    bool const pocket = Common::isPocketDevice();
    QBoxLayout* buttonRow = new QBoxLayout(pocket ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    buttonRow->setContentsMargins(10, 10, 10, 10);
    buttonRow->setSpacing(7);
    buttonRow->addStretch(1);
    buttonRow->addWidget(close);
    buttonRow->addStretch(1);

    QVBoxLayout* main = new QVBoxLayout(dialog);
    main->setContentsMargins(10, 10, 10, 10);
    main->setSpacing(7);
    if (text)
        main->addWidget(text);
    main->addLayout(panelRow);
    main->addLayout(buttonRow);
}

} // namespace ZEDireroz
