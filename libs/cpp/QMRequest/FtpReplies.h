#pragma once
// The text of an FTP server's answers, read without any network: listing lines
// of MLSD, the port of a passive-mode answer, the size answer. Kept apart from
// the client so that they can be tested and fuzzed on their own.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace QMRequest {

// One entry of a remote folder.
struct FtpEntry
{
    QString name;
    bool isDir = false;
    qint64 size = -1;       // -1 when the server does not tell
    QDateTime lastModified; // UTC; invalid when the server does not tell
};

namespace FtpReplies {

// Reads one MLSD line ("type=file;size=12;modify=20261210183000; name.txt").
// False for a line without facts or name, and for the entries of the folder
// itself and its parent (type cdir and pdir), which are no entries of it.
bool parseMlsdLine(QByteArray const& line, FtpEntry* entry);

// The data port of a "229 ... (|||port|)" answer, or 0.
quint16 parseEpsvPort(QByteArray const& text);

// The data port of a "227 ... (h1,h2,h3,h4,p1,p2)" answer, or 0. The address in
// the answer is not used: data goes to the host of the control connection, so
// that a server cannot point the client at another machine.
quint16 parsePasvPort(QByteArray const& text);

// The byte count of a "213 <size>" answer's text, or -1.
qint64 parseSize(QByteArray const& text);

// True when a name or argument can travel on the control connection: a
// carriage return, line feed or NUL in it would end the command early and let
// the rest be read as a command of its own.
bool isSafeArgument(QString const& argument);

} // namespace FtpReplies
} // namespace QMRequest
