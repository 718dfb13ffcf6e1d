// Reading arbitrary bytes as an HTTP answer, whole and in pieces: the reader must
// neither crash nor hang, must keep its body within the limit, and must come to
// the same end however the bytes are split (the first byte chooses the pieces'
// size).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "QMRequest/HttpResponse_p.h"

namespace {

using QMRequest::HttpResponseParser;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

constexpr qint64 kLimit = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    int const step = 1 + data[0] % 17;
    QByteArray const bytes(reinterpret_cast<const char*>(data) + 1, int(size) - 1);

    HttpResponseParser whole(kLimit);
    whole.feed(bytes);
    whole.closed();

    HttpResponseParser pieces(kLimit);
    for (int i = 0; i < bytes.size(); i += step)
        pieces.feed(bytes.mid(i, step));
    pieces.closed();

    check(whole.body().size() <= kLimit);
    check(whole.state() == HttpResponseParser::Complete || whole.state() == HttpResponseParser::Failed);
    check(whole.state() == pieces.state());
    check(whole.error() == pieces.error());
    check(whole.statusCode() == pieces.statusCode());
    // A failed answer's body holds what came before the failure, which
    // depends on where the bytes were split.
    if (whole.state() == HttpResponseParser::Complete)
        check(whole.body() == pieces.body());
    return 0;
}
