// The style-sheet highlighter: each text line against the colours of its
// characters, written as one letter per character:
//   . uncoloured   w white (keyword)   d dark grey (comment)
//   g green (from "#")   c cyan (number character or string)
// Lines of one text are separated by "\n" in both columns.
#include "ZEDireroz/editors/CssSyntaxHighlighter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

using ZEDireroz::CssSyntaxHighlighter;

namespace {

QChar letterFor(QTextCharFormat const& format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return QLatin1Char('.');
    QColor const colour = format.foreground().color();
    if (colour == QColor(Qt::white))
        return QLatin1Char('w');
    if (colour == QColor(Qt::darkGray))
        return QLatin1Char('d');
    if (colour == QColor(Qt::green))
        return QLatin1Char('g');
    if (colour == QColor(Qt::cyan))
        return QLatin1Char('c');
    return QLatin1Char('?');
}

QString colourMask(QTextDocument const& document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString mask(block.length() - 1, QLatin1Char('.'));
        for (QTextLayout::FormatRange const& range : block.layout()->formats()) {
            for (int i = range.start; i < range.start + range.length && i < mask.size(); ++i)
                mask[i] = letterFor(range.format);
        }
        lines << mask;
    }
    return lines.join(QLatin1Char('\n'));
}

// As in a text edit: the document has its layout (without one it reports no
// changes), and the new highlighter has taken it up from the event loop; from
// then on every change is coloured as it happens.
void highlight(QTextDocument& document, QString const& text)
{
    document.documentLayout();
    new CssSyntaxHighlighter(&document);
    QCoreApplication::processEvents();
    document.setPlainText(text);
}

QString run(char c, int n)
{
    return QString(n, QLatin1Char(c));
}

} // namespace

class TestCssSyntaxHighlighter : public QObject
{
    Q_OBJECT
private slots:
    void colours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("operators and digits") << "a = 1;"
                                              << "..w.cw";
        QTest::newRow("line comment") << "x // y 1"
                                      << "..dddddd";
        QTest::newRow("own style sheet") << "QTextEdit{background: #000060; color: yellow;}"
                                         << run('.', 9) + "w" + run('.', 10) + "w." + run('g', 24);
        QTest::newRow("digit in a word, keyword in a word") << "a7b print"
                                                            << ".c....www";
        QTest::newRow("keywords inside words") << "diff renew uppercase"
                                               << ".ww....www......wwww";
        QTest::newRow("longest entries first") << "foreach ->x >> << for"
                                               << "wwwwwww.ww..ww.ww.www";
        QTest::newRow("unicode number") << QString::fromUtf8("a\u0663") << ".c";
        QTest::newRow("comment closer in normal text") << "*/"
                                                       << "ww";
        QTest::newRow("string closed by the other quote, next left open") << "a \"b' c \"d\nx\"y"
                                                                          << "..ccc...cc\ncc.";
        QTest::newRow("escaped quote keeps the string open") << "\"a\\\"b\""
                                                             << "cccccc";
        QTest::newRow("quote behind two backslashes is escaped too") << "'a\\\\'\nz"
                                                                     << "ccccc\nc";
        QTest::newRow("carried string closed by a first-character quote") << "'a\n'b"
                                                                          << "cc\nc.";
        QTest::newRow("block comment over lines") << "a /* b\nc d\ne */ f;"
                                                  << "..dddd\nddd\ndddd..w";
        QTest::newRow("empty line keeps a comment open") << "/*\n\nx */"
                                                         << "dd\n\ndddd";
        QTest::newRow("empty line keeps a string open") << "\"a\n\nb\" ="
                                                        << "cc\n\ncc.w";
        QTest::newRow("slash star slash is a whole comment") << "/*/ a="
                                                             << "ddd..w";
        QTest::newRow("nothing special inside a string") << "\"// # 1 int\"" << run('c', 12);
        QTest::newRow("nothing special inside a comment") << "/* # 1 \" */" << run('d', 11);
    }
    void colours()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QTextDocument document;
        highlight(document, text);
        QCOMPARE(colourMask(document), expected);
    }

    void statesCarriedToTheNextLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("states");
        QTest::newRow("normal") << "a;\nb" << QList<int>{-1, -1};
        QTest::newRow("comment") << "/* a\nb */" << QList<int>{0, -1};
        QTest::newRow("string") << "'a\nb'" << QList<int>{1, -1};
        QTest::newRow("line comment leaves the state alone") << "/* a\n*/ // '\nx" << QList<int>{0, -1, -1};
    }
    void statesCarriedToTheNextLine()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, states);
        QTextDocument document;
        highlight(document, text);
        QList<int> actual;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            actual << block.userState();
        QCOMPARE(actual, states);
    }

    void openingACommentRecoloursTheLinesBelow()
    {
        QTextDocument document;
        highlight(document, QStringLiteral("a\nb = 1;\nc */ d;"));
        QCOMPARE(colourMask(document), QStringLiteral(".\n..w.cw\n..ww..w"));
        QTextCursor cursor(&document);
        cursor.insertText(QStringLiteral("/*"));
        QCOMPARE(colourMask(document), QStringLiteral("ddd\ndddddd\ndddd..w"));
        cursor.setPosition(0);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QCOMPARE(colourMask(document), QStringLiteral(".\n..w.cw\n..ww..w"));
    }

    void getKeyword_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("keyword");
        QTest::newRow("for before foreach would be wrong") << "foreach(x)" << 0 << "foreach";
        QTest::newRow("minus arrow") << "a->b" << 1 << "->";
        QTest::newRow("case-sensitive") << "Int" << 0 << "";
        QTest::newRow("cut short by the end") << "voi" << 0 << "";
        QTest::newRow("inside a word") << "point" << 2 << "int";
        QTest::newRow("signals after slots") << "signals" << 0 << "signals";
    }
    void getKeyword()
    {
        QFETCH(QString, text);
        QFETCH(int, pos);
        QFETCH(QString, keyword);
        QTextDocument document;
        auto* highlighter = new CssSyntaxHighlighter(&document);
        QCOMPARE(highlighter->getKeyword(pos, text), keyword);
    }
};

QTEST_MAIN(TestCssSyntaxHighlighter)
#include "tst_csssyntaxhighlighter.moc"
