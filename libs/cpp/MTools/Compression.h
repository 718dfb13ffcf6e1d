#pragma once

#include <QByteArray>

// A bare zlib stream (RFC 1950) of data at the highest compression level, the
// form a PHP server's zlib decompression reads. Empty on failure.
QByteArray phpCompress(const QByteArray& data);
