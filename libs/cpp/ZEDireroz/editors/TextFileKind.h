#pragma once
// What the text windows open: files of a size their text area can hold, and
// only files that are text. A file they cannot show as itself is refused
// before anything is shown, so that no later save can write what was shown
// over it.

#include <QByteArray>
#include <QtGlobal>

namespace ZEDireroz {

// The largest file the rich-text window and the style-sheet editor open. The
// text area holds the text twice as UTF-16 (the decoded text and the
// document's own copy) beside the file's bytes, about five times the file's
// size at the peak: some 640 MB for a file of this size. Laying out that much
// text already takes many seconds.
constexpr qint64 kMaxTextFileBytes = qint64(128) * 1024 * 1024;

enum class FileKind {
    Text,
    // An OpenDocument file, as the rich-text window writes them.
    OpenDocument,
    // Plainly not text: a picture, an archive, a PDF or other binary data.
    NotText,
};

// Told by the signatures of common binary formats, and by zero bytes where
// the plain-text reader finds no UTF-16 or UTF-32 text that explains them and
// the file does not begin with a UTF-16 or UTF-32 byte-order mark.
FileKind fileKind(QByteArray const& bytes);

} // namespace ZEDireroz
