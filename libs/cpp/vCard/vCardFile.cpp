// The file side of vCard, kept apart from the text format it reads and writes.
#include "vCard/vCard.h"

#include "MTools/WholeFile.h"

#include "vCardText_p.h"

namespace {

// The largest file that is read: thousands of cards with their photos stay
// well below it.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

} // namespace

bool vCard::saveToFile(const QString& fileName) const
{
    // Files are always written in version 2.1. The old file stays as it was
    // until the new text is written in full.
    QString reason;
    if (MTools::writeWholeFile(fileName, toByteArray(VC21), &reason))
        return true;
    qCWarning(lcVCard) << "writing" << fileName << "failed:" << reason;
    return false;
}

QList<vCard> vCard::fromFile(const QString& fileName)
{
    // A file larger than any address book is refused before it is read.
    const MTools::WholeFileRead read = MTools::readWholeFile(fileName, kMaxFileBytes);
    if (!read.ok()) {
        qCWarning(lcVCard) << "cannot read" << fileName << read.reason;
        return QList<vCard>();
    }
    return fromByteArray(read.bytes);
}
