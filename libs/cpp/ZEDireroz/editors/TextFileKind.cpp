#include "ZEDireroz/editors/TextFileKind.h"

#include "ZEDireroz/editors/PlainTextFile.h"

namespace ZEDireroz {

namespace {

// Signatures that no text file begins with: each holds bytes that are not
// printable text, or names its format.
struct Signature
{
    char const* bytes;
    int size;
};

constexpr Signature kSignatures[] = {
    {"PK\x03\x04", 4},        // zip archive (OpenDocument, Office, jar, ...)
    {"PK\x05\x06", 4},        // empty zip archive
    {"\x89PNG\r\n\x1a\n", 8}, // PNG picture
    {"\xff\xd8\xff", 3},      // JPEG picture
    {"GIF87a", 6},            // GIF picture
    {"GIF89a", 6},            // GIF picture
    {"%PDF-", 5},             // PDF
    {"\x1f\x8b", 2},          // gzip
    {"\x7f"
     "ELF",
     4},                                     // program
    {"7z\xbc\xaf\x27\x1c", 6},               // 7-Zip archive
    {"Rar!\x1a\x07", 6},                     // RAR archive
    {"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", 8}, // compound document (older Office files)
};

bool isOpenDocument(QByteArray const& bytes)
{
    // An OpenDocument file is a zip archive whose first entry, stored as it
    // is, is the file "mimetype" naming the document's type.
    constexpr int kNameAt = 30; // after the fixed part of the entry's header
    return bytes.startsWith("PK\x03\x04") && bytes.mid(kNameAt, 8) == "mimetype"
           && bytes.left(kNameAt + 128).contains("application/vnd.oasis.opendocument");
}

bool isWideText(QByteArray const& bytes)
{
    // A file that names itself UTF-16 or UTF-32 by its mark is text, even where
    // a stray last byte keeps the reader from taking that encoding.
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff") || bytes.startsWith(QByteArray("\0\0\xfe\xff", 4)))
        return true;
    QByteArray const codec = readPlainText(bytes).format.codec;
    return codec.startsWith("UTF-16") || codec.startsWith("UTF-32");
}

} // namespace

FileKind fileKind(QByteArray const& bytes)
{
    if (isOpenDocument(bytes))
        return FileKind::OpenDocument;
    for (Signature const& signature : kSignatures) {
        if (bytes.startsWith(QByteArray::fromRawData(signature.bytes, signature.size)))
            return FileKind::NotText;
    }
    if (bytes.contains('\0') && !isWideText(bytes))
        return FileKind::NotText;
    return FileKind::Text;
}

} // namespace ZEDireroz
