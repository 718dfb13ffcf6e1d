// The rich-text window's actions and formatting: a new window's state, the
// merge rule on the word at the cursor, list styles and indents, the size box,
// alignment and its check marks, and the order of the alignments under either
// layout direction.
#include "ZEDireroz/editors/TextEdit.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QtTest>

namespace {

QAction* actionWithText(TextEdit& window, QString const& text)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QComboBox* listStyleBox(TextEdit& window)
{
    for (QComboBox* box : window.findChildren<QComboBox*>()) {
        if (box->count() == 9 && box->itemText(0) == QLatin1String("Standard"))
            return box;
    }
    return nullptr;
}

// The character format of the character after position.
QTextCharFormat formatAt(TextEdit& window, int position)
{
    QTextCursor cursor(window.textArea()->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void placeCursor(TextEdit& window, int position)
{
    QTextCursor cursor = window.textArea()->textCursor();
    cursor.setPosition(position);
    window.textArea()->setTextCursor(cursor);
}

// The texts of a top-level menu's actions, separators left out.
QStringList menuTexts(TextEdit& window, QString const& title)
{
    QStringList texts;
    for (QAction* entry : window.menuBar()->actions()) {
        if (entry->text() != title || !entry->menu())
            continue;
        for (QAction* action : entry->menu()->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
    }
    return texts;
}

} // namespace

class TestTextEdit : public QObject
{
    Q_OBJECT
private slots:
    void newWindowState_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addRow("clipboard with text") << QStringLiteral("pasted");
        QTest::addRow("empty clipboard") << QString();
    }
    void newWindowState()
    {
        QFETCH(QString, clipboard);
        QApplication::clipboard()->setText(clipboard);
        TextEdit window(nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral("untitled.txt[*] - Rich Text"));
        QVERIFY(!window.isWindowModified());
        QCOMPARE(window.fileName(), QString());
        for (char const* text : {"&Save", "Cu&t", "&Copy", "&Undo", "&Redo"})
            QVERIFY2(!actionWithText(window, text)->isEnabled(), text);
        QCOMPARE(actionWithText(window, "&Paste")->isEnabled(), !clipboard.isEmpty());
        QCOMPARE(window.menuBar()->actions().size(), 3);
        QCOMPARE(window.menuBar()->actions().at(2)->text(), QStringLiteral("F&ormat"));
        QCOMPARE(menuTexts(window, "&File"), QStringList({"&New", "&Open...", "&Save", "Save &As...", "&Print...",
                                                          "Print Preview...", "&Export PDF...", "&Quit"}));

        // One typed character marks the document and enables Save and Undo;
        // a selection enables Cut and Copy; the clipboard drives Paste.
        window.show();
        QTest::keyClick(window.textArea(), Qt::Key_A);
        QVERIFY(window.isWindowModified());
        QVERIFY(actionWithText(window, "&Save")->isEnabled());
        QVERIFY(actionWithText(window, "&Undo")->isEnabled());
        window.textArea()->selectAll();
        QVERIFY(actionWithText(window, "Cu&t")->isEnabled());
        QVERIFY(actionWithText(window, "&Copy")->isEnabled());
        QApplication::clipboard()->setText(clipboard.isEmpty() ? QStringLiteral("now") : QString());
        QCOMPARE(actionWithText(window, "&Paste")->isEnabled(), clipboard.isEmpty());
    }

    // Each format action on a word with no selection: the whole word takes the
    // format, its neighbour does not, the visible selection stays empty and the
    // next typed text carries it; triggering again takes it off.
    void formatOnWordWithoutSelection_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("property");
        QTest::addRow("bold") << QStringLiteral("&Bold") << int(QTextFormat::FontWeight);
        QTest::addRow("italic") << QStringLiteral("&Italic") << int(QTextFormat::FontItalic);
        QTest::addRow("underline") << QStringLiteral("&Underline") << int(QTextFormat::TextUnderlineStyle);
    }
    void formatOnWordWithoutSelection()
    {
        QFETCH(QString, action);
        QFETCH(int, property);
        auto hasFormat = [property](QTextCharFormat const& f) {
            switch (property) {
            case QTextFormat::FontWeight:
                return f.fontWeight() == QFont::Bold;
            case QTextFormat::FontItalic:
                return f.fontItalic();
            default:
                return f.fontUnderline();
            }
        };
        TextEdit window(nullptr);
        window.textArea()->setPlainText(QStringLiteral("hello world"));
        placeCursor(window, 8); // inside "world"
        actionWithText(window, action)->trigger();

        QVERIFY(!window.textArea()->textCursor().hasSelection());
        for (int i = 6; i < 11; ++i)
            QVERIFY2(hasFormat(formatAt(window, i)), qPrintable(QString::number(i)));
        for (int i = 0; i < 5; ++i)
            QVERIFY(!hasFormat(formatAt(window, i)));
        QTest::keyClicks(window.textArea(), QStringLiteral("xy"));
        QCOMPARE(window.textArea()->toPlainText(), QStringLiteral("hello woxyrld"));
        QVERIFY(hasFormat(formatAt(window, 8)));

        actionWithText(window, action)->trigger();
        for (int i = 6; i < 13; ++i)
            QVERIFY(!hasFormat(formatAt(window, i)));
    }

    // The slot applies the action's state as it stands: with Bold checked a
    // bold word stays bold and a plain one becomes bold.
    void boldSlotFollowsTheCheckMark()
    {
        TextEdit window(nullptr);
        window.textArea()->setHtml(QStringLiteral("<b>strong</b> plain"));
        placeCursor(window, 2);
        QVERIFY(window.boldAction()->isChecked());
        window.slotTextBold();
        QCOMPARE(formatAt(window, 2).fontWeight(), int(QFont::Bold));
        placeCursor(window, 9);
        window.boldAction()->setChecked(true);
        window.slotTextBold();
        QCOMPARE(formatAt(window, 9).fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(window, 6).fontWeight() != QFont::Bold); // the space between stays
    }

    void colour()
    {
        TextEdit window(nullptr);
        window.textArea()->setPlainText(QStringLiteral("red word"));
        placeCursor(window, 1);
        QColor const before = formatAt(window, 1).foreground().color();
        window.slotColorChanged(QColor());
        QCOMPARE(formatAt(window, 1).foreground().color(), before);
        window.slotColorChanged(QColor(200, 20, 30));
        QCOMPARE(formatAt(window, 0).foreground().color(), QColor(200, 20, 30));
        QCOMPARE(formatAt(window, 2).foreground().color(), QColor(200, 20, 30));
        QVERIFY(formatAt(window, 5).foreground().color() != QColor(200, 20, 30));
        // The Color action's icon shows the colour.
        QImage const icon = actionWithText(window, "&Color...")->icon().pixmap(16, 16).toImage();
        QCOMPARE(QColor(icon.pixel(8, 8)), QColor(200, 20, 30));
    }

    void listStyles()
    {
        TextEdit window(nullptr);
        QComboBox* box = listStyleBox(window);
        QVERIFY(box);
        window.textArea()->setHtml(QStringLiteral("<p>first</p><p>second</p>"));

        // A plain paragraph with indent 2: its indent moves into the new list.
        QTextCursor cursor(window.textArea()->document()->findBlockByNumber(0));
        QTextBlockFormat indented;
        indented.setIndent(2);
        cursor.setBlockFormat(indented);
        placeCursor(window, 1);
        emit box->activated(3);
        QTextBlock first = window.textArea()->document()->findBlockByNumber(0);
        QVERIFY(first.textList());
        QCOMPARE(first.textList()->format().style(), QTextListFormat::ListSquare);
        QCOMPARE(first.textList()->format().indent(), 3);
        QCOMPARE(first.blockFormat().indent(), 0);
        QVERIFY(!window.textArea()->document()->findBlockByNumber(1).textList());

        // Inside a list: a new list with the chosen style and the old list's indent.
        emit box->activated(8);
        first = window.textArea()->document()->findBlockByNumber(0);
        QCOMPARE(first.textList()->format().style(), QTextListFormat::ListUpperRoman);
        QCOMPARE(first.textList()->format().indent(), 3);

        // Standard takes the paragraph out of its list, as one undo step with the text kept.
        emit box->activated(0);
        first = window.textArea()->document()->findBlockByNumber(0);
        QVERIFY(!first.textList());
        QCOMPARE(first.text(), QStringLiteral("first"));

        // An index the box does not have makes a disc list.
        window.textStyle(42);
        QCOMPARE(window.textArea()->document()->findBlockByNumber(0).textList()->format().style(),
                 QTextListFormat::ListDisc);
    }

    // A size typed into the size box and confirmed with Return.
    void sizeBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qreal>("expected"); // 0: unchanged
        QTest::addRow("zero") << QStringLiteral("0") << 0.0;
        QTest::addRow("negative") << QStringLiteral("-3") << 0.0;
        QTest::addRow("letters") << QStringLiteral("abc") << 0.0;
        QTest::addRow("half point") << QStringLiteral("10.5") << 10.5;
        QTest::addRow("whole") << QStringLiteral("18") << 18.0;
    }
    void sizeBox()
    {
        QFETCH(QString, typed);
        QFETCH(qreal, expected);
        TextEdit window(nullptr);
        auto* box = window.findChild<QComboBox*>(QStringLiteral("comboSize"));
        QVERIFY(box);
        QVERIFY(box->isEditable());
        window.textArea()->setPlainText(QStringLiteral("alpha beta"));
        placeCursor(window, 8);
        qreal const before = formatAt(window, 8).font().pointSizeF();
        QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        if (expected > 0) {
            QCOMPARE(formatAt(window, 8).fontPointSize(), expected);
            QCOMPARE(formatAt(window, 6).fontPointSize(), expected);
            // The box shows the size as it is, not rounded to a whole point.
            QCOMPARE(box->currentText(), typed);
        } else {
            QVERIFY(!formatAt(window, 8).hasProperty(QTextFormat::FontPointSize));
            QCOMPARE(formatAt(window, 8).font().pointSizeF(), before);
        }
        QVERIFY(!formatAt(window, 2).hasProperty(QTextFormat::FontPointSize));
    }

    void alignmentSlots_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("checked");
        QTest::addRow("left") << "slotTextAlignLeft" << int(Qt::AlignLeft | Qt::AlignAbsolute) << "&Left";
        QTest::addRow("center") << "slotTextAlignCenter" << int(Qt::AlignHCenter) << "C&enter";
        QTest::addRow("right") << "slotTextAlignRight" << int(Qt::AlignRight | Qt::AlignAbsolute) << "&Right";
        QTest::addRow("justify") << "slotTextAlignJustify" << int(Qt::AlignJustify) << "&Justify";
    }
    void alignmentSlots()
    {
        QFETCH(QString, slot);
        QFETCH(int, alignment);
        QFETCH(QString, checked);
        TextEdit window(nullptr);
        window.textArea()->setHtml(QStringLiteral("<p align=\"center\">one</p><p>two</p>"));
        placeCursor(window, 5);
        QVERIFY(QMetaObject::invokeMethod(&window, slot.toLatin1().constData()));
        QCOMPARE(int(window.textArea()->document()->findBlockByNumber(1).blockFormat().alignment()), alignment);
        QCOMPARE(window.textArea()->document()->findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
        // The check mark catches up when the cursor moves.
        placeCursor(window, 0);
        placeCursor(window, 5);
        QVERIFY(actionWithText(window, checked)->isChecked());
    }

    void checkMarksFollowTheCursor()
    {
        TextEdit window(nullptr);
        window.textArea()->setHtml(QStringLiteral("<p>plain</p><p align=\"right\">right</p>"
                                                  "<p align=\"justify\">even</p>"));
        placeCursor(window, 8);
        QVERIFY(actionWithText(window, "&Right")->isChecked());
        QVERIFY(!actionWithText(window, "&Left")->isChecked());
        placeCursor(window, 14);
        QVERIFY(actionWithText(window, "&Justify")->isChecked());
        QVERIFY(!actionWithText(window, "&Right")->isChecked());
        placeCursor(window, 2);
        QVERIFY(actionWithText(window, "&Left")->isChecked());
        QVERIFY(!actionWithText(window, "&Justify")->isChecked());
    }

    void alignmentOrderFollowsLayoutDirection_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QStringList>("order");
        QTest::addRow("left to right") << Qt::LeftToRight << QStringList({"&Left", "C&enter", "&Right", "&Justify"});
        QTest::addRow("right to left") << Qt::RightToLeft << QStringList({"&Right", "C&enter", "&Left", "&Justify"});
    }
    void alignmentOrderFollowsLayoutDirection()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QStringList, order);
        QGuiApplication::setLayoutDirection(direction);
        TextEdit window(nullptr);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(menuTexts(window, "F&ormat"),
                 QStringList({"&Bold", "&Italic", "&Underline"}) + order + QStringList({"&Color..."}));
    }
};

QTEST_MAIN(TestTextEdit)
#include "tst_textedit.moc"
