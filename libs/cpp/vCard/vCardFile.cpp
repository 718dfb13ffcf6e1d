// The file side of vCard, kept apart from the text format it reads and writes.
#include "vCard/vCard.h"

#include <QFile>
#include <QSaveFile>

#include "vCardText_p.h"

bool vCard::saveToFile(const QString& fileName) const
{
    // Files are always written in version 2.1. The old file stays as it was
    // until the new text is written in full.
    QSaveFile file(fileName);
    // Unbuffered, so that write() reports a short write (a full disk, a file size
    // limit) itself; a buffered flush lets a partial write pass unnoticed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCWarning(lcVCard) << "cannot write" << fileName << file.errorString();
        return false;
    }
    const QByteArray text = toByteArray(VC21);
    if (file.write(text) != text.size()) {
        qCWarning(lcVCard) << "writing" << fileName << "failed:" << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcVCard) << "writing" << fileName << "failed:" << file.errorString();
        return false;
    }
    return true;
}

QList<vCard> vCard::fromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcVCard) << "cannot read" << fileName << file.errorString();
        return QList<vCard>();
    }
    return fromByteArray(file.readAll());
}
