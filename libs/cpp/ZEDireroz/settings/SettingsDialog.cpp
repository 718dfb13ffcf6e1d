#include "ZEDireroz/settings/SettingsDialog.h"

#include "MTools/WholeFile.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/frame/FileDialog.h"
#include "ZEDireroz/settings/SettingsWidget.h"

#include <QChildEvent>
#include <QDir>
#include <QDomDocument>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ZEDireroz {

QMap<QString, QWidget*> SettingsDialog::m_mapWidgets;
QVector<QString> SettingsDialog::m_vecTabOrder;

namespace {

// The save and load buttons show pictures of the set the promotion bar's
// buttons belong to, brighter under the pointer. They carry their rules
// themselves, so that they show under whatever style the application has.
QString storageButtonRules(QString const& name)
{
    return QStringLiteral("QPushButton#%1{border-image:url(:/%1.png) 0 0 0 0 stretch stretch;}"
                          "QPushButton#%1:hover{border-image:url(:/%1_hover.png) 0 0 0 0 stretch stretch;}")
        .arg(name);
}

QString const kSuffix = QStringLiteral("lfsettings");
QString const kFilter = QStringLiteral("*.lfsettings");
// The largest settings file that is read: the pages' settings fill a few
// kilobytes.
constexpr qint64 kMaxSettingsFileBytes = 16 * 1024 * 1024;

// The file dialog must add the extension itself: only then does its overwrite
// question name the file that is really written. The shared file dialog builds
// its QFileDialog as a child of the given parent, so while this guard lives it
// watches the parent and gives that dialog the default suffix as soon as it is
// polished, before the user can choose a name.
class DefaultSuffixGuard : public QObject
{
public:
    DefaultSuffixGuard(QWidget* parent, QString const& suffix)
        : m_pParent(parent)
        , m_sSuffix(suffix)
    {
        m_pParent->installEventFilter(this);
    }
    ~DefaultSuffixGuard() override { m_pParent->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_pParent && event->type() == QEvent::ChildPolished) {
            if (auto* dialog = qobject_cast<QFileDialog*>(static_cast<QChildEvent*>(event)->child()))
                dialog->setDefaultSuffix(m_sSuffix);
        }
        return false;
    }

private:
    QWidget* m_pParent;
    QString m_sSuffix;
};

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QCoreApplication::applicationName() + tr(" Settings"));
}

void SettingsDialog::addWidget(QString const& name, QWidget* page)
{
    bool const known = m_mapWidgets.contains(name);
    m_mapWidgets.insert(name, page);
    if (!known)
        m_vecTabOrder.append(name);
    // Pages belong to whoever shows them (a dialog's tabs delete theirs); the
    // registry must never hand out a page that is gone.
    QObject::connect(page, &QObject::destroyed, [name](QObject* gone) { forgetPage(name, gone); });
}

void SettingsDialog::forgetPage(QString const& name, QObject* page)
{
    auto const it = m_mapWidgets.constFind(name);
    if (it == m_mapWidgets.constEnd() || it.value() != page)
        return; // replaced under this name meanwhile
    m_mapWidgets.remove(name);
    m_vecTabOrder.removeAll(name);
}

QList<SettingsWidget*> SettingsDialog::settingsPages()
{
    QList<SettingsWidget*> pages;
    for (QWidget* page : qAsConst(m_mapWidgets))
        if (auto* settingsPage = qobject_cast<SettingsWidget*>(page))
            pages.append(settingsPage);
    return pages;
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    if (!m_bControlsBuilt)
        buildControls();
    QDialog::showEvent(event);
}

void SettingsDialog::buildControls()
{
    m_bControlsBuilt = true;
    m_pTabWidget = new QTabWidget;
    for (QString const& name : qAsConst(m_vecTabOrder))
        m_pTabWidget->addTab(m_mapWidgets.value(name), name);

    auto* ok = new QPushButton(tr("&Ok"));
    auto* apply = new QPushButton(tr("&Apply"));
    auto* cancel = new QPushButton(tr("&Cancel"));
    Common::applyPushButtonDetails(ok);
    Common::applyPushButtonDetails(apply);
    Common::applyPushButtonDetails(cancel);

    auto* save = new QPushButton;
    auto* load = new QPushButton;
    Common::extend(save, QStringLiteral("StorageBrowserSS"), tr("Save the Settings"));
    Common::extend(load, QStringLiteral("StorageBrowserLS"), tr("Load the Settings"));
    Common::applyToolButtonDetails(save);
    Common::applyToolButtonDetails(load);
    save->setStyleSheet(storageButtonRules(save->objectName()));
    load->setStyleSheet(storageButtonRules(load->objectName()));

    connect(save, &QPushButton::clicked, this, &SettingsDialog::slotSaveSettings);
    connect(load, &QPushButton::clicked, this, &SettingsDialog::slotLoadSettings);
    connect(apply, &QPushButton::clicked, this, &SettingsDialog::slotApply);
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::slotOk);
    connect(cancel, &QPushButton::clicked, this, &SettingsDialog::reject);

    auto* top = new QHBoxLayout;
    Common::zeroMargins(top, 2);
    top->addWidget(save);
    top->addWidget(load);
    top->addStretch(1);

    auto* bottom = new QHBoxLayout;
    Common::zeroMargins(bottom, 2);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    bottom->addWidget(apply);
    bottom->addWidget(cancel);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(7, 7, 7, 7);
    main->setSpacing(4);
    main->addLayout(top);
    main->addWidget(m_pTabWidget);
    main->addLayout(bottom);
}

void SettingsDialog::slotApply()
{
    for (SettingsWidget* page : settingsPages())
        page->slotApply();
}

void SettingsDialog::slotOk()
{
    slotApply();
    accept();
}

void SettingsDialog::processDomRoot(QDomNode const& root)
{
    for (QDomNode child = root.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (!child.isElement())
            continue;
        QString const tag = child.toElement().tagName();
        for (SettingsWidget* page : settingsPages())
            if (tag == page->settingsName())
                page->readSettings(child);
    }
}

QString SettingsDialog::withSettingsSuffix(QString const& fileName)
{
    // Only the exact extension counts: "x.LFSETTINGS" or "x.xml" would be hidden
    // by the load dialog's filter.
    QString const extension = QLatin1Char('.') + kSuffix;
    return fileName.endsWith(extension, Qt::CaseSensitive) ? fileName : fileName + extension;
}

void SettingsDialog::slotSaveSettings()
{
    App* app = App::theApp();
    QString fileName = QDir(app->saveDirPath()).filePath(QStringLiteral("Settings.lfsettings"));
    for (;;) {
        QString chosen;
        {
            // The dialog's own overwrite question would name the file it returns,
            // which is not always the file written; this one asks about the real one.
            DefaultSuffixGuard suffix(this, kSuffix);
            chosen = FileDialog::getSaveFileName(this, tr("Save Settings"), fileName, kFilter, nullptr,
                                                 QFileDialog::DontConfirmOverwrite);
        }
        if (chosen.isEmpty())
            return;
        fileName = withSettingsSuffix(chosen);
        if (!QFileInfo::exists(fileName) || confirmReplace(fileName))
            break;
    }

    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("Settings"));
    document.appendChild(root);
    for (SettingsWidget* page : settingsPages())
        root.appendChild(page->writeSettings(document));

    // UTF-8, as the loader reads it; written beside the old file and moved over
    // it only when complete, so a failed save leaves the old file whole.
    QByteArray const bytes = document.toString(1).toUtf8();
    QString reason;
    bool const saved = MTools::writeWholeFile(fileName, bytes, &reason);
    app->setSaveDirPath(fileName);
    if (!saved)
        showProblem(tr("Save Settings"),
                    tr("The settings could not be saved to %1: %2").arg(QDir::toNativeSeparators(fileName), reason));
}

void SettingsDialog::slotLoadSettings()
{
    App* app = App::theApp();
    QString const fileName = FileDialog::getOpenFileName(
        this, tr("Load Settings"), QDir(app->openDirPath()).filePath(QStringLiteral(" ")), kFilter);
    if (fileName.isEmpty())
        return;

    QString problem;
    // No settings file the dialog writes comes near the bound; a larger file
    // is refused before it is read.
    MTools::WholeFileRead const read = MTools::readWholeFile(fileName, kMaxSettingsFileBytes);
    if (!read.ok()) {
        problem =
            tr("The settings could not be loaded from %1: %2").arg(QDir::toNativeSeparators(fileName), read.reason);
    } else {
        QDomDocument document;
        QString error;
        int line = 0;
        if (document.setContent(read.bytes, &error, &line))
            processDomRoot(document.documentElement());
        else
            problem = tr("The settings could not be loaded from %1: %2 (line %3)")
                          .arg(QDir::toNativeSeparators(fileName), error)
                          .arg(line);
    }
    app->setOpenDirPath(fileName);
    if (!problem.isEmpty())
        showProblem(tr("Load Settings"), problem);
}

bool SettingsDialog::confirmReplace(QString const& fileName)
{
    QMessageBox::StandardButton const answer =
        QMessageBox::question(this, tr("Save Settings"),
                              tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(fileName).fileName()),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void SettingsDialog::showProblem(QString const& title, QString const& text)
{
    MessageBox::warning(this, title, text, QMessageBox::Ok);
}

} // namespace ZEDireroz
