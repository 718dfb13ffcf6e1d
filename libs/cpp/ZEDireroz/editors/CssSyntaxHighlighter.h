#pragma once
// Colours a style sheet line by line while it is typed: keywords and operator
// characters, digits, strings, block and line comments, and the rest of a line
// from a "#". An open block comment or string is carried into the next line
// through the block state (-1 normal text, 0 in a comment, 1 in a string).

#include <QStringList>
#include <QSyntaxHighlighter>

namespace ZEDireroz {

class CssSyntaxHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit CssSyntaxHighlighter(QTextDocument* parent);

    // The first keyword that the text holds at pos, or an empty string. Words
    // are not delimited: "int" is found inside "print".
    QString getKeyword(int pos, QString const& text) const;

protected:
    void highlightBlock(QString const& text) override;

private:
    // Order matters: the first match wins, so every entry stands before the
    // shorter entries it begins with ("foreach" before "for", "->" before "-").
    QStringList m_keywords;
};

} // namespace ZEDireroz
