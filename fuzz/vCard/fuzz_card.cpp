// Reading arbitrary bytes as cards, and writing whatever was read: the reader must
// neither crash nor hang, and in either version a card written, read back and
// written again is a fixed point after one round, read back as one card.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "vCard/vCard.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// One round: the card's text in a version, read back; it must be one card.
vCard writeAndRead(const vCard& card, vCardVersion version, QByteArray* text)
{
    *text = card.toByteArray(version);
    const QList<vCard> back = vCard::fromByteArray(*text);
    check(back.size() == 1);
    return back.at(0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const QList<vCard> cards = vCard::fromByteArray(bytes);
    vCardProperty::fromByteArray(bytes);
    vCardParam::fromByteArray(bytes);

    // The first cards are enough to exercise the writer; more only cost time.
    for (int i = 0; i < cards.size() && i < 4; ++i) {
        for (vCardVersion version : {VC21, VC30}) {
            QByteArray first;
            QByteArray second;
            QByteArray third;
            const vCard once = writeAndRead(cards.at(i), version, &first);
            const vCard twice = writeAndRead(once, version, &second);
            writeAndRead(twice, version, &third);
            check(second == third);
        }
    }
    return 0;
}
