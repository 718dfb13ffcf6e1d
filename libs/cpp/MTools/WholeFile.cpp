#include "MTools/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace MTools {

namespace {

enum class Access { Reading, Writing };

// The system's reason as a sentence a user understands; fallback where the
// system gave none.
QString errorText(int error, Access access, QString const& fallback)
{
    switch (error) {
    case ENOSPC:
        return QCoreApplication::translate("MTools::WholeFile", "There is no space left on the device.");
    case EDQUOT:
        return QCoreApplication::translate("MTools::WholeFile", "The disk quota is used up.");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("MTools::WholeFile", "Permission denied.");
    case EROFS:
        return QCoreApplication::translate("MTools::WholeFile", "The file system is read-only.");
    case ENOENT:
        return access == Access::Reading
                   ? QCoreApplication::translate("MTools::WholeFile", "The file does not exist.")
                   : QCoreApplication::translate("MTools::WholeFile", "The folder does not exist.");
    case EISDIR:
        return QCoreApplication::translate("MTools::WholeFile", "The name belongs to a folder.");
    case ENOTDIR:
        return QCoreApplication::translate("MTools::WholeFile", "A part of the path is not a folder.");
    case EFBIG:
        return QCoreApplication::translate("MTools::WholeFile", "The file is too large for the file system.");
    case EIO:
        return QCoreApplication::translate("MTools::WholeFile", "The device reported an input or output error.");
    case ENAMETOOLONG:
        return QCoreApplication::translate("MTools::WholeFile", "The name is too long.");
    case 0:
        return fallback;
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Why path could not be opened: errno as the failed call left it, unless the
// name is a folder (Qt refuses that before the system is asked).
QString openFailure(QString const& path, int error, Access access, QString const& fallback)
{
    if (QFileInfo(path).isDir())
        return errorText(EISDIR, access, fallback);
    return errorText(error, access, fallback);
}

QString tooLarge(qint64 size, qint64 maxBytes)
{
    return QCoreApplication::translate("MTools::WholeFile", "The file is %1, more than the %2 that can be opened here.")
        .arg(fileSizeText(size), fileSizeText(maxBytes));
}

// Writes all of bytes to fd; 0, or the errno of the write that failed.
int writeAll(int fd, QByteArray const& bytes)
{
    char const* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        ssize_t const n = ::write(fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        data += n;
        left -= n;
    }
    return 0;
}

} // namespace

QString fileSizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes);
}

WholeFileRead readWholeFile(QString const& path, qint64 maxBytes)
{
    maxBytes = qBound<qint64>(0, maxBytes, kMaxWholeFileBytes);
    WholeFileRead result;
    QFile file(path);
    errno = 0;
    // Unbuffered: the bytes go straight into the array, not through a buffer.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        result.status = WholeFileRead::CannotOpen;
        result.reason = openFailure(path, errno, Access::Reading, file.errorString());
        return result;
    }
    result.size = file.size();
    if (result.size > maxBytes) {
        result.status = WholeFileRead::TooLarge;
        result.reason = tooLarge(result.size, maxBytes);
        return result;
    }
    // The size told is where reading starts, not a promise: a file that tells
    // none (a pipe, a file under /proc) or grows is read in growing steps, up
    // to one byte past the bound, which tells a file that is too large.
    QByteArray bytes(int(result.size), Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes)
                break;
            qint64 const grown = qMin(maxBytes + 1, got + qMax<qint64>(got, 64 * 1024));
            bytes.resize(int(grown));
        }
        errno = 0;
        qint64 const n = file.read(bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            result.status = WholeFileRead::CannotRead;
            result.reason = errorText(errno, Access::Reading,
                                      QCoreApplication::translate("MTools::WholeFile", "The file could not be read."));
            return result;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(int(got));
    if (got > maxBytes) {
        result.size = qMax(result.size, got);
        result.status = WholeFileRead::TooLarge;
        result.reason = tooLarge(result.size, maxBytes);
        return result;
    }
    result.size = got;
    result.bytes = bytes;
    result.status = WholeFileRead::Read;
    return result;
}

bool writeWholeFile(QString const& path, QByteArray const& bytes, QString* reason)
{
    QSaveFile file(path);
    // A folder the user may not write takes no file beside the old one; a file
    // there that the user may write is then written in place.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = openFailure(path, errno, Access::Writing, file.errorString());
        return false;
    }
    // Written and synced by hand, so that the system's own reason is kept: the
    // save file reports a failed flush as an "Unknown error", and a disk that
    // fills up only while the data goes out tells it only to fsync.
    int const fd = file.handle();
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (error != 0) {
        file.cancelWriting();
        *reason = errorText(error, Access::Writing, file.errorString());
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        *reason = errorText(errno, Access::Writing, file.errorString());
        return false;
    }
    return true;
}

} // namespace MTools
