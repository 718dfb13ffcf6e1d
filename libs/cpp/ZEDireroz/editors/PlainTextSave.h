#pragma once
// Putting the text of a plain-text document back in its file's form: the one
// place where the rich-text window and the style-sheet editor turn their text
// box into bytes, and ask before a save would change the file's encoding.

#include "ZEDireroz/editors/PlainTextFile.h"

#include <QByteArray>
#include <QString>

class QTextDocument;
class QWidget;

namespace ZEDireroz {

// The text of a document that was filled with setPlainText: every character
// as it is (a no-break space stays one), and "\n" for every paragraph end, line
// break and frame mark, the characters the text box breaks lines with.
QString plainTextOf(QTextDocument const* document);

enum class PlainTextSave {
    Encoded,  // the bytes are ready to be written
    Declined, // the user chose not to save in another encoding
    Failed,   // not even UTF-8 holds the text
};

// The bytes of text in *format. Where the file's encoding cannot hold every
// character, asks over parent (a box titled title, naming path) whether to save
// in UTF-8 instead, with the same mark and line ends. On Encoded, *format is
// the form of the bytes, for the next save.
PlainTextSave encodeForSave(QWidget* parent, QString const& title, QString const& path, QString const& text,
                            PlainTextFormat* format, QByteArray* bytes);

} // namespace ZEDireroz
