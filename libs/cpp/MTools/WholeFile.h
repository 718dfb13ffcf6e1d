#pragma once
// Reading and writing a whole file a user chose, with errors a user can act on.
//
// A read is bounded: a file larger than the caller can hold is refused before
// a byte is read, so that no reader runs out of memory, and none is handed an
// empty array for a file too large to read at once. A write goes through a
// save file: the old file is replaced only by a complete new one, or, where
// the folder takes no new file but the file itself may be written, the file
// is written in place.

#include <QByteArray>
#include <QString>

namespace MTools {

// The largest bound readWholeFile() accepts: a byte array holds less than 2 GiB.
constexpr qint64 kMaxWholeFileBytes = qint64(1) << 30;

struct WholeFileRead
{
    enum Status {
        Read,       // bytes holds the whole file
        TooLarge,   // the file is larger than the bound; nothing was read
        CannotOpen, // the file could not be opened (missing, no permission, ...)
        CannotRead, // it was opened, but reading it failed
    };
    Status status = CannotOpen;
    QByteArray bytes;
    // The file's size in bytes, as far as it is known (a file that is not a
    // regular file tells none: then what was read).
    qint64 size = 0;
    // Unless Read: why, as a sentence for a message (translated); for
    // TooLarge it names the size and the bound.
    QString reason;

    bool ok() const { return status == Read; }
};

// Reads the file at path whole when it holds at most maxBytes bytes (at most
// kMaxWholeFileBytes). A regular file's size is looked at before anything is
// read; a file that tells no size is read up to one byte past the bound.
WholeFileRead readWholeFile(QString const& path, qint64 maxBytes);

// Replaces the file at path with bytes: written beside it and moved over it
// only once complete and on the disk, so a failed write leaves the old file
// whole. Where the folder takes no new file but the file may be written, the
// file is written in place. False, with *reason set (translated), on failure.
bool writeWholeFile(QString const& path, QByteArray const& bytes, QString* reason);

// A size for people, in the locale's form ("2.50 GiB").
QString fileSizeText(qint64 bytes);

} // namespace MTools
