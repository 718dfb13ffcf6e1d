// Every window of the shared libraries as a user sees it, at its default size
// and at its minimum size, in the languages TW_LAYOUT_LANGUAGES lists (English
// when none): no text cut off, no picture shrunk away, no blank button, no
// controls on top of each other or cut by what holds them. With
// TW_SCREENSHOT_DIR set, each one is saved as a picture. The music pages have
// their own test (tst_pagelayout).
#include "QMRequest/FtpGuiClient.h"
#include "QMViewer/PreviewArea.h"
#include "QMViewer/SimpleViewer.h"
#include "QMViewer/Viewer.h"
#include "TestSupport/LayoutCheck.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/StrayWindows.h"
#include "ZEDireroz/dialogs/InputDialog.h"
#include "ZEDireroz/dialogs/LicenseDialog.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/dialogs/ScreenGuard.h"
#include "ZEDireroz/dialogs/ScreenLocker.h"
#include "ZEDireroz/dialogs/TopWidget.h"
#include "ZEDireroz/editors/CssEditor.h"
#include "ZEDireroz/editors/EditorPanel.h"
#include "ZEDireroz/editors/RichtextEditor.h"
#include "ZEDireroz/editors/TextEdit.h"
#include "ZEDireroz/imagenotes/ImageNoteEditor.h"
#include "ZEDireroz/promotion/HelpDialog.h"
#include "ZEDireroz/promotion/JoinDialog.h"
#include "ZEDireroz/promotion/LinkDialog.h"
#include "ZEDireroz/promotion/TellDialog.h"
#include "ZEDireroz/promotionbar/ReminderDialog.h"
#include "ZEDireroz/screentools/ScreenCropper.h"
#include "ZEDireroz/screentools/ScreenMeasurer.h"
#include "ZEDireroz/settings/SettingsDialog.h"
#include "ZEDireroz/settings/UpdateIndicationDialog.h"
#include "ZEDireroz/settings/UpdaterDialog.h"
#include "ZEDireroz/settings/WaitLabel.h"
#include "ZEDireroz/widgets/ColorWidget.h"
#include "ZEDireroz/widgets/DirView.h"
#include "ZEDireroz/widgets/IconView.h"
#include "ZEDireroz/widgets/VirtualResolution.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ZEDireroz;

namespace {

struct Window
{
    Window() = default;
    Window(std::function<QWidget*()> make, QSize defaultSize = QSize(), bool defaultOnly = false)
        : make(std::move(make))
        , defaultSize(defaultSize)
        , defaultOnly(defaultOnly)
    {
    }

    std::function<QWidget*()> make;
    // The size it opens at; empty for its own size hint once shown.
    QSize defaultSize;
    // A window a user cannot resize (a tool covering the whole screen, a popup
    // its owner sizes) is only ever seen at its default size.
    bool defaultOnly = false;
};

// Components a host embeds have no size of their own; they are shown at the
// size a host's pane typically gives them.
QSize const kPaneSize(400, 300);

template <class W>
Window window(QSize defaultSize = QSize())
{
    return {[] { return new W(nullptr); }, defaultSize};
}

QSize screenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

// A picture with something to see in every corner, as a screen shot would have.
QPixmap screenPicture(QSize const& size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(40, 90, 160));
    gradient.setColorAt(1, QColor(230, 200, 90));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(Qt::white);
    painter.drawRect(picture.rect().adjusted(20, 20, -21, -21));
    return picture;
}

template <class Cropper>
Window cropper()
{
    return {[] {
                // Shown by its capture, at the screen's size.
                auto* w = new Cropper(nullptr);
                w->setScreenSource([] { return screenPicture(screenSize()); });
                w->setShowMode(ScreenCropper::ShowNormal);
                w->resize(screenSize());
                w->grabScreen();
                return w;
            },
            screenSize(), true};
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_pictures.isValid());
        QVERIFY(screenPicture(QSize(640, 400)).save(picturePath()));
    }

    void fits_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("language");
        QList<QPair<QString, Window>> const windows = {
            // Shared dialogs.
            {"messagebox", {[] {
                 return new MessageBox(MessageBox::Question, QStringLiteral("Tickwren"),
                                       QStringLiteral("Do you want to save the current changes to the file?"),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
             }}},
            {"inputdialog", {[] { return new InputDialog(QStringLiteral("Name of the new favorite:")); }}},
            {"topwidget", {[] {
                 auto* w = new TopWidget(true);
                 w->setTitleLabel(QStringLiteral("Tickwren"));
                 w->topLayout()->addWidget(new QLabel(QStringLiteral("A frameless window with its own title bar")));
                 return w;
             }}},
            {"license", window<LicenseDialog>()},
            // A guard window with content over its own "No!" text.
            {"screenguard", {[] {
                 auto* w = new NoScreenShotWidget;
                 auto* layout = new QVBoxLayout(w);
                 layout->addWidget(new QLabel(QStringLiteral("Account number")));
                 layout->addWidget(new QLineEdit(QStringLiteral("DE02 1203 0000 0000 2020 51")));
                 layout->addWidget(new QPushButton(QStringLiteral("Copy")));
                 w->installFilters();
                 return w;
             }}},
            {"screenlocker",
             {[] {
                  auto* w = new ScreenLocker;
                  w->showUnlockButton();
                  return w;
              },
              screenSize(), true}},
            // Promotion.
            // The introduction slide show, with a button for each of its slides.
            {"help", {[this] {
                 auto* w = new HelpDialog;
                 for (int i = 0; i < 3; ++i)
                     w->addSlide(picturePath());
                 return w;
             }}},
            {"link", window<LinkDialog>()},
            {"tell", window<TellDialog>()},
            {"join", window<JoinDialog>()},
            {"ratereminder", window<RateReminderDialog>()},
            {"tellreminder", window<TellReminderDialog>()},
            {"joinreminder", window<JoinReminderDialog>()},
            // Settings.
            {"settings", {[] {
                 auto* page = new QWidget;
                 auto* layout = new QVBoxLayout(page);
                 layout->addWidget(new QCheckBox(QStringLiteral("Show the introduction at start")));
                 layout->addWidget(new QLabel(QStringLiteral("Settings are saved when the window closes.")));
                 SettingsDialog::addWidget(QStringLiteral("General"), page);
                 return new SettingsDialog;
             }}},
            {"updater", {[] {
                 auto* w = new UpdaterDialog;
                 w->setMessage(QStringLiteral("A new version of Tickwren is available."));
                 return w;
             }}},
            {"updateindication", {[] {
                 auto* w = new UpdateIndicationDialog;
                 w->setText(QStringLiteral("Searching for the updates"));
                 return w;
             }}},
            // The waiting window of the update check, with the text it is given there.
            {"wait", {[] {
                 return new WaitLabel(
                     QStringLiteral("<H1><CENTER>Searching for the updates<BR>Please, wait ...</CENTER></H1>"));
             }}},
            {"wait-plain", {[] { return new WaitLabel(QStringLiteral("Searching for the updates")); }}},
            // Widgets.
            {"virtualresolution", window<VirtualResolutionDialog>()},
            {"colorpopup", {[] { return new ColorWidgetPopup(nullptr, Qt::ToolTip); }, QSize(), true}},
            {"dirview", window<DirView>()},
            {"iconview", {[this] {
                 auto* w = new IconView;
                 w->addItems(m_pictures.path());
                 return w;
             }}},
            // Editors.
            {"richtext", window<RichtextEditor>()},
            {"textedit", window<TextEdit>()},
            {"editorpanel", window<EditorPanel>()},
            {"csseditor", window<CssEditor>()},
            // Image notes: the editor takes its size from the picture it is given.
            {"imagenotes",
             {[] {
                  auto* w = new ImageNoteEditor;
                  w->setScreenMetrics([] { return 1.0; }, [] { return QSize(1920, 1080); });
                  w->slotSetPixmap(screenPicture(QSize(640, 400)));
                  return w;
              },
              QSize(740, 490)}},
            // Screen tools.
            {"cropper", cropper<ScreenCropper>()},
            {"measurer", cropper<ScreenMeasurer>()},
            // Viewer.
            {"viewer",
             {[this] {
                  auto* w = new QMViewer::Viewer;
                  w->slotSetItems({picturePath()});
                  w->displayItem(picturePath());
                  return w;
              },
              kPaneSize}},
            {"previewarea",
             {[this] {
                  auto* w = new QMViewer::PreviewArea;
                  w->displayItem(picturePath());
                  return w;
              },
              kPaneSize}},
            // A bare painting surface with no minimum of its own.
            {"simpleviewer",
             {[this] {
                  auto* w = new QMViewer::SimpleViewer;
                  w->slotSetItem(picturePath());
                  return w;
              },
              kPaneSize, true}},
            // The FTP test window.
            {"ftp", window<QMRequest::FtpGuiClient>()},
        };
        // Language by language, so that each is installed once.
        for (QString const& language : LayoutCheck::languages())
            for (auto const& entry : windows)
                QTest::newRow(qPrintable(entry.first + LayoutCheck::languageSuffix(language)))
                    << entry.second << language;
    }
    // Shown at its default size first, then brought down to its smallest, in
    // the language the application would have installed before making it.
    void fits()
    {
        QFETCH(Window, window);
        QFETCH(QString, language);
        LayoutCheck::useLanguage(language);
        StrayWindows stray;
        std::unique_ptr<QWidget> w(window.make());
        LayoutCheck::verifySizes(w.get(), window.defaultSize, window.defaultOnly,
                                 QLatin1String(QTest::currentDataTag()));
        QCOMPARE(stray.shown.size(), 1);
    }

private:
    QString picturePath() const { return m_pictures.filePath(QStringLiteral("picture.png")); }

    QTemporaryDir m_pictures;
};

TW_APP_TEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
