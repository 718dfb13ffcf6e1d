// A server's answers on arbitrary bytes: every reader must answer, a port is
// 0 or a real one, and an accepted listing line names something other than
// the folder itself or its parent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "QMRequest/FtpReplies.h"

using namespace QMRequest;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    FtpEntry entry;
    if (FtpReplies::parseMlsdLine(bytes, &entry)) {
        if (entry.name.isEmpty() || entry.size < -1)
            std::abort();
    }
    if (bytes.indexOf('(') < 0 && FtpReplies::parseEpsvPort(bytes) != 0)
        std::abort();
    FtpReplies::parsePasvPort(bytes);
    if (FtpReplies::parseSize(bytes) < -1)
        std::abort();
    FtpReplies::isSafeArgument(QString::fromUtf8(bytes));
    return 0;
}
