// The rich-text editor: each button and File menu entry of the panel reaches
// exactly one operation of the document window, the colour swatch colours the
// text, the strip's order, and a screenshot of the editor with formatted text
// on a virtual X screen with every button's picture drawn.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/editors/EditorPanel.h"
#include "ZEDireroz/editors/RichtextEditor.h"
#include "ZEDireroz/editors/TextEdit.h"
#include "ZEDireroz/widgets/ColorWidget.h"

#include <QClipboard>
#include <QGridLayout>
#include <QMenu>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <memory>
#include <vector>

using ZEDireroz::ColorWidget;
using ZEDireroz::EditorPanel;
using ZEDireroz::RichtextEditor;

namespace {

// Spies on every signal of the panel.
class PanelSpies
{
public:
    explicit PanelSpies(EditorPanel* panel)
    {
        QMetaObject const& meta = EditorPanel::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            QMetaMethod const method = meta.method(i);
            if (method.methodType() == QMetaMethod::Signal)
                m_spies.emplace_back(method.name(), std::make_unique<QSignalSpy>(panel, method));
        }
    }
    // "name" when exactly one signal was emitted exactly once, else a list of counts.
    QString emitted() const
    {
        QStringList fired;
        for (auto const& spy : m_spies) {
            if (spy.second->count() > 0)
                fired << QString::fromLatin1(spy.first) + QStringLiteral(" x%1").arg(spy.second->count());
        }
        return fired.join(QStringLiteral(", "));
    }

private:
    std::vector<std::pair<QByteArray, std::unique_ptr<QSignalSpy>>> m_spies;
};

// Rejects every modal dialog while it lives and notes each one's class and title.
struct DialogLog
{
    QStringList seen;
    QTimer timer;
    DialogLog()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            seen << QString::fromLatin1(dialog->metaObject()->className()) + QLatin1Char(' ') + dialog->windowTitle();
            dialog->reject();
        });
        timer.start();
    }
};

QTextCharFormat formatAt(QTextEdit* text, int position)
{
    QTextCursor cursor(text->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void select(QTextEdit* text, int from, int to)
{
    QTextCursor cursor(text->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
}

// Two separate undo steps: "1" at the end, then "2" at the start.
void twoEdits(QTextEdit* text)
{
    QTextCursor cursor(text->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("1"));
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(QStringLiteral("2"));
}

int distinctColours(QImage const& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

char const* const kButtonOrder[] = {"EditorFile",
                                    "EditorTextBold",
                                    "EditorTextItalic",
                                    "EditorTextUnderline",
                                    nullptr, // the swatch
                                    "TextUndo",
                                    "TextRedo",
                                    "TextCopy",
                                    "TextCut",
                                    "TextPaste",
                                    "EditorTextAlignLeft",
                                    "TextAlignCenter",
                                    "TextAlignRight",
                                    "TextAlignJustify"};

} // namespace

class TestRichtextEditor : public QObject
{
    Q_OBJECT
private slots:
    // A click on each button: exactly one panel signal, once, and exactly its
    // effect on the document "alpha beta" (cursor in "beta" unless the row
    // selects "alpha").
    void buttonReachesOneOperation_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("signal");
        QTest::addRow("bold") << "EditorTextBold"
                              << "textBold x1";
        QTest::addRow("italic") << "EditorTextItalic"
                                << "textItalic x1";
        QTest::addRow("underline") << "EditorTextUnderline"
                                   << "textUnderline x1";
        QTest::addRow("left") << "EditorTextAlignLeft"
                              << "textAlignLeft x1";
        QTest::addRow("center") << "TextAlignCenter"
                                << "textAlignCenter x1";
        QTest::addRow("right") << "TextAlignRight"
                               << "textAlignRight x1";
        QTest::addRow("justify") << "TextAlignJustify"
                                 << "textAlignJustify x1";
        QTest::addRow("undo") << "TextUndo"
                              << "undo x1";
        QTest::addRow("redo") << "TextRedo"
                              << "redo x1";
        QTest::addRow("cut") << "TextCut"
                             << "cut x1";
        QTest::addRow("copy") << "TextCopy"
                              << "copy x1";
        QTest::addRow("paste") << "TextPaste"
                               << "paste x1";
    }
    void buttonReachesOneOperation()
    {
        QFETCH(QString, button);
        QFETCH(QString, signal);
        RichtextEditor editor(nullptr);
        editor.resize(640, 400);
        editor.show();
        QTextEdit* text = editor.textEdit()->textArea();
        text->setHtml(button == QLatin1String("EditorTextAlignLeft") ? QStringLiteral("<p align=center>alpha beta</p>")
                                                                     : QStringLiteral("<p>alpha beta</p>"));
        select(text, 8, 8);
        QApplication::clipboard()->setText(QStringLiteral("Z"));
        if (button == QLatin1String("TextUndo"))
            twoEdits(text);
        if (button == QLatin1String("TextRedo")) {
            twoEdits(text);
            text->undo();
            text->undo();
        }
        if (button == QLatin1String("TextCut") || button == QLatin1String("TextCopy"))
            select(text, 0, 5);
        if (button == QLatin1String("TextPaste"))
            text->moveCursor(QTextCursor::End);

        auto* pushButton = editor.panel()->findChild<QPushButton*>(button);
        QVERIFY(pushButton);
        PanelSpies spies(editor.panel());
        QTest::mouseClick(pushButton, Qt::LeftButton);
        QCOMPARE(spies.emitted(), signal);

        QString const plain = text->toPlainText();
        Qt::Alignment const alignment = text->document()->firstBlock().blockFormat().alignment();
        if (button == QLatin1String("EditorTextBold")) {
            QCOMPARE(formatAt(text, 7).fontWeight(), int(QFont::Bold));
            QCOMPARE(formatAt(text, 2).fontWeight(), int(QFont::Normal));
        } else if (button == QLatin1String("EditorTextItalic")) {
            QVERIFY(formatAt(text, 7).fontItalic());
            QVERIFY(!formatAt(text, 2).fontItalic());
        } else if (button == QLatin1String("EditorTextUnderline")) {
            QVERIFY(formatAt(text, 7).fontUnderline());
            QVERIFY(!formatAt(text, 2).fontUnderline());
        } else if (button == QLatin1String("EditorTextAlignLeft")) {
            QCOMPARE(alignment, Qt::AlignLeft | Qt::AlignAbsolute);
        } else if (button == QLatin1String("TextAlignCenter")) {
            QCOMPARE(alignment, Qt::AlignHCenter);
        } else if (button == QLatin1String("TextAlignRight")) {
            QCOMPARE(alignment, Qt::AlignRight | Qt::AlignAbsolute);
        } else if (button == QLatin1String("TextAlignJustify")) {
            QCOMPARE(alignment, Qt::AlignJustify);
        } else if (button == QLatin1String("TextUndo")) {
            QCOMPARE(plain, QStringLiteral("alpha beta1"));
        } else if (button == QLatin1String("TextRedo")) {
            QCOMPARE(plain, QStringLiteral("alpha beta1"));
        } else if (button == QLatin1String("TextCut")) {
            QCOMPARE(plain, QStringLiteral(" beta"));
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alpha"));
        } else if (button == QLatin1String("TextCopy")) {
            QCOMPARE(plain, QStringLiteral("alpha beta"));
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alpha"));
        } else if (button == QLatin1String("TextPaste")) {
            QCOMPARE(plain, QStringLiteral("alpha betaZ"));
        }
        // Only the format buttons change a character format.
        if (!button.startsWith(QLatin1String("EditorTextBold")))
            QCOMPARE(formatAt(text, 7).fontWeight(), int(QFont::Normal));
        if (!button.startsWith(QLatin1String("TextAlign")) && button != QLatin1String("EditorTextAlignLeft"))
            QCOMPARE(alignment, Qt::AlignLeft);
    }

    // A second click on Bold takes the bold off again, as the menu entry does.
    void boldButtonToggles()
    {
        RichtextEditor editor(nullptr);
        QTextEdit* text = editor.textEdit()->textArea();
        text->setPlainText(QStringLiteral("alpha beta"));
        select(text, 8, 8);
        auto* bold = editor.panel()->findChild<QPushButton*>(QStringLiteral("EditorTextBold"));
        bold->click();
        QCOMPARE(formatAt(text, 7).fontWeight(), int(QFont::Bold));
        bold->click();
        QCOMPARE(formatAt(text, 7).fontWeight(), int(QFont::Normal));
    }

    // Each File menu entry: one panel signal and exactly one dialog or write.
    void fileMenuEntryReachesOneOperation_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QString>("dialog"); // empty: none
        QTest::addRow("open") << "Open..."
                              << "fileOpen x1"
                              << "QFileDialog Open File...";
        QTest::addRow("save") << "Save"
                              << "fileSave x1"
                              << "";
        QTest::addRow("save as") << "Save As..."
                                 << "fileSaveAs x1"
                                 << "QFileDialog Save as...";
        QTest::addRow("print") << "Print..."
                               << "filePrint x1"
                               << "QPrintDialog Print Document";
        QTest::addRow("preview") << "Print Preview..."
                                 << "filePrintPreview x1"
                                 << "QPrintPreviewDialog Print Preview";
        QTest::addRow("pdf") << "Create PDF"
                             << "filePrintPdf x1"
                             << "QFileDialog Export PDF";
    }
    void fileMenuEntryReachesOneOperation()
    {
        QFETCH(QString, entry);
        QFETCH(QString, signal);
        QFETCH(QString, dialog);
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("doc.html"));
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("<p>saved before</p>");
        }
        RichtextEditor editor(nullptr);
        editor.show();
        QVERIFY(editor.textEdit()->load(file));
        editor.setHtml(QStringLiteral("<p>now different</p>"));

        auto* fileButton = editor.panel()->findChild<QPushButton*>(QStringLiteral("EditorFile"));
        QVERIFY(fileButton && fileButton->menu());
        QAction* action = nullptr;
        QStringList entries;
        for (QAction* a : fileButton->menu()->actions()) {
            entries << a->text();
            if (a->text() == entry)
                action = a;
            QVERIFY(a->shortcut().isEmpty());
        }
        QCOMPARE(entries, QStringList({"Open...", "Save", "Save As...", "Print...", "Print Preview...", "Create PDF"}));
        QVERIFY(action);

        PanelSpies spies(editor.panel());
        DialogLog log;
        action->trigger();
        QCOMPARE(spies.emitted(), signal);
        QStringList seen = log.seen;
        for (QString& title : seen)
            title = title.trimmed();
        QCOMPARE(seen, dialog.isEmpty() ? QStringList() : QStringList({dialog}));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().contains("now different"), entry == QLatin1String("Save"));
    }

    // A colour picked in the swatch's palette reaches the text; the swatch's
    // initial white never does, and the panel's textColor() changes nothing.
    void swatchColoursTheText()
    {
        RichtextEditor editor(nullptr);
        editor.show();
        QTextEdit* text = editor.textEdit()->textArea();
        text->setPlainText(QStringLiteral("alpha beta"));
        select(text, 8, 8);
        QVERIFY(formatAt(text, 7).foreground().color() != QColor(Qt::white));

        QString const before = editor.html();
        QSignalSpy changed(&editor, &RichtextEditor::textChanged);
        editor.panel()->slotTextColor();
        QCOMPARE(editor.html(), before);
        QCOMPARE(changed.count(), 0);

        auto* swatch = editor.panel()->findChild<ColorWidget*>();
        QVERIFY(swatch);
        QCOMPARE(swatch->size(), QSize(24, 24));
        QCOMPARE(swatch->color(), QColor(Qt::white));
        QTest::mousePress(swatch, Qt::LeftButton);
        auto* grid = qobject_cast<QGridLayout*>(swatch->popup()->layout());
        QVERIFY(grid);
        QTest::mouseClick(qobject_cast<QPushButton*>(grid->itemAtPosition(2, 1)->widget()), Qt::LeftButton);
        QCOMPARE(formatAt(text, 7).foreground().color(), QColor(255, 0, 0));
        QVERIFY(formatAt(text, 2).foreground().color() != QColor(255, 0, 0));
        QVERIFY(changed.count() > 0);
    }

    // Quit in the embedded document window closes the document, after the
    // usual question, and leaves the window in place to go on writing.
    void quitKeepsTheEmbeddedWindow_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer"); // 0: no question expected
        QTest::addColumn<QString>("left");
        QTest::addRow("discard") << true << int(QMessageBox::Discard) << "";
        QTest::addRow("cancel") << true << int(QMessageBox::Cancel) << "draft";
        QTest::addRow("unmodified") << false << 0 << "";
    }
    void quitKeepsTheEmbeddedWindow()
    {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(QString, left);
        RichtextEditor editor(nullptr);
        editor.show();
        QTextEdit* text = editor.textEdit()->textArea();
        text->insertPlainText(QStringLiteral("draft"));
        text->document()->setModified(modified);
        QAction* quit = nullptr;
        for (QAction* a : editor.textEdit()->findChildren<QAction*>()) {
            if (a->text() == QLatin1String("&Quit"))
                quit = a;
        }
        QVERIFY(quit);

        int asked = 0;
        QTimer answering;
        answering.setInterval(10);
        connect(&answering, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++asked;
                box->button(QMessageBox::StandardButton(answer ? answer : QMessageBox::Cancel))->click();
            }
        });
        answering.start();
        quit->trigger();
        QCOMPARE(asked, answer ? 1 : 0);
        QVERIFY(editor.textEdit()->isVisible());
        QCOMPARE(text->toPlainText(), left);
        // Still usable: typing goes on in the same window.
        text->insertPlainText(QStringLiteral("!"));
        QCOMPARE(editor.textEdit()->textArea()->toPlainText(), left + QLatin1Char('!'));
        QVERIFY(editor.textEdit()->isVisible());
    }

    void htmlPassesThrough()
    {
        RichtextEditor editor(nullptr);
        QSignalSpy changed(&editor, &RichtextEditor::textChanged);
        editor.setHtml(QStringLiteral("<p>one <i>two</i></p>"));
        QVERIFY(changed.count() > 0);
        QCOMPARE(editor.textEdit()->textArea()->toPlainText(), QStringLiteral("one two"));
        QCOMPARE(editor.html(), editor.textEdit()->html());
        QVERIFY(editor.html().contains(QStringLiteral("font-style:italic")));
    }

    // The strip left to right, its sizes and tool tips.
    void stripLayout()
    {
        RichtextEditor editor(nullptr);
        editor.resize(700, 400);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        EditorPanel* panel = editor.panel();
        QCOMPARE(panel->maximumHeight(), 28);
        QVERIFY(panel->geometry().bottom() < editor.textEdit()->geometry().top());
        int previous = -1;
        for (char const* name : kButtonOrder) {
            QWidget* widget = name ? static_cast<QWidget*>(panel->findChild<QPushButton*>(QLatin1String(name)))
                                   : panel->findChild<ColorWidget*>();
            QVERIFY2(widget, name);
            QVERIFY2(widget->x() > previous, name);
            previous = widget->x();
            if (name) {
                QCOMPARE(widget->size(), QSize(24, 24));
                QVERIFY(!widget->toolTip().isEmpty());
                QVERIFY(static_cast<QPushButton*>(widget)->text().isEmpty());
                QVERIFY(static_cast<QPushButton*>(widget)->icon().isNull());
            }
        }
        QCOMPARE(panel->findChild<QPushButton*>(QStringLiteral("TextAlignJustify"))->toolTip(),
                 QStringLiteral("Align Justify"));
    }

    // The editor with formatted text as a user sees it: every button shows
    // its picture, and the text shows its colours.
    void screenshot()
    {
        RichtextEditor editor(nullptr);
        editor.setWindowTitle(QStringLiteral("Rich text"));
        editor.setHtml(QStringLiteral(
            "<h2 style=\"color:#2f7ce0\">Practice notes</h2>"
            "<p>Start at <b>60 beats per minute</b> and raise the tempo by <i>four</i> each day.</p>"
            "<ul><li>Scales: <span style=\"color:#d64541\">slowly</span></li><li><u>Arpeggios</u></li></ul>"
            "<p align=\"right\">Week 12</p>"));
        editor.resize(620, 380);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));

        QScreen* screen = editor.screen();
        QVERIFY(screen);
        QImage shot;
        QTRY_VERIFY(distinctColours(shot = screen->grabWindow(editor.winId()).toImage()) > 40);
        QString const saveTo = qEnvironmentVariable("TW_RICHTEXT_SHOT");
        if (!saveTo.isEmpty())
            shot.save(saveTo);

        for (char const* name : kButtonOrder) {
            if (!name)
                continue;
            auto* button = editor.panel()->findChild<QPushButton*>(QLatin1String(name));
            QImage const own = button->grab().toImage();
            QVERIFY2(distinctColours(own) > 6, name);
        }
        // The heading's blue is on screen.
        bool blue = false;
        for (int y = 0; y < shot.height() && !blue; ++y) {
            for (int x = 0; x < shot.width() && !blue; ++x) {
                QColor const c(shot.pixel(x, y));
                blue = c.blue() > 180 && c.red() < 90 && c.green() > 90 && c.green() < 160;
            }
        }
        QVERIFY(blue);
    }
};

TW_APP_TEST_MAIN(TestRichtextEditor)
#include "tst_richtexteditor.moc"
