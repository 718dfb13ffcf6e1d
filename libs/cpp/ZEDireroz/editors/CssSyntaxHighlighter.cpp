#include "ZEDireroz/editors/CssSyntaxHighlighter.h"

namespace ZEDireroz {

namespace {

enum State { Normal = -1, InComment = 0, InString = 1 };

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

} // namespace

CssSyntaxHighlighter::CssSyntaxHighlighter(QTextDocument* parent)
    : QSyntaxHighlighter(parent)
{
    m_keywords << "foreach"
               << "bool"
               << "int"
               << "void"
               << "double"
               << "float"
               << "char"
               << "delete"
               << "class"
               << "const"
               << "virtual"
               << "mutable"
               << "this"
               << "struct"
               << "union"
               << "throw"
               << "for"
               << "if"
               << "else"
               << "false"
               << "namespace"
               << "switch"
               << "case"
               << "public"
               << "private"
               << "protected"
               << "new"
               << "return"
               << "using"
               << "true"
               << "->"
               << ">>"
               << "<<"
               << ">"
               << "<"
               << "("
               << ")"
               << "{"
               << "}"
               << "["
               << "]"
               << "+"
               << "-"
               << "*"
               << "/"
               << "="
               << "!"
               << "."
               << ","
               << ";"
               << ":"
               << "&"
               << "emit"
               << "connect"
               << "SIGNAL"
               << "|"
               << "SLOT"
               << "slots"
               << "signals";
}

QString CssSyntaxHighlighter::getKeyword(int pos, QString const& text) const
{
    for (QString const& keyword : m_keywords) {
        if (text.midRef(pos, keyword.length()) == keyword)
            return keyword;
    }
    return QString();
}

void CssSyntaxHighlighter::highlightBlock(QString const& text)
{
    int state = previousBlockState();
    int start = 0; // where the comment or string open in this block began
    int const length = text.length();

    for (int i = 0; i < length; ++i) {
        if (state == InString) {
            // Either quote closes the string, unless a backslash stands right before it.
            if (isQuote(text.at(i)) && !(i > 0 && text.at(i - 1) == QLatin1Char('\\'))) {
                setFormat(start, i - start + 1, QColor(Qt::cyan));
                state = Normal;
            }
        } else if (state == InComment) {
            if (text.midRef(i, 2) == QLatin1String("*/")) {
                setFormat(start, i - start + 2, QColor(Qt::darkGray));
                ++i;
                state = Normal;
            }
        } else if (text.midRef(i, 2) == QLatin1String("//")) {
            setFormat(i, length - i, QColor(Qt::darkGray));
            break;
        } else if (text.at(i) == QLatin1Char('#')) {
            setFormat(i, length - i, QColor(Qt::green));
            break;
        } else if (text.at(i).isNumber()) {
            setFormat(i, 1, QColor(Qt::cyan));
        } else if (text.midRef(i, 2) == QLatin1String("/*")) {
            // The "*" is looked at again as a possible closer: "/*/" is a whole comment.
            start = i;
            state = InComment;
        } else if (isQuote(text.at(i))) {
            start = i;
            state = InString;
        } else {
            QString const keyword = getKeyword(i, text);
            if (!keyword.isEmpty()) {
                setFormat(i, keyword.length(), QColor(Qt::white));
                i += keyword.length() - 1;
            }
        }
    }

    if (state == InString)
        setFormat(start, length - start, QColor(Qt::cyan));
    else if (state == InComment)
        setFormat(start, length - start, QColor(Qt::darkGray));
    setCurrentBlockState(state);
}

} // namespace ZEDireroz
