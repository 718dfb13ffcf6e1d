#include "AssetGenerator.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <utility>
#include <vector>

namespace AssetGen {

namespace {
std::vector<std::pair<char const*, GeneratorFunction>>& registry()
{
    static std::vector<std::pair<char const*, GeneratorFunction>> s_registry;
    return s_registry;
}

// Writes data to path unless the file already holds exactly that, so that an
// unchanged file keeps its time stamp and forces no rebuilds.
bool writeIfChanged(QString const& path, QByteArray const& data)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data)
        return true;
    existing.close();
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(data) == data.size() && out.commit();
}

// The image encoded in the given format, or an empty array when it cannot be.
QByteArray encode(QImage const& image, char const* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, format, quality))
        return QByteArray();
    return bytes;
}
} // namespace

Registrar::Registrar(char const* name, GeneratorFunction fn)
{
    registry().emplace_back(name, fn);
}

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont font(qreal pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    return f;
}

Context::Context(QString const& picturesDir, QString const& bundleDir)
    : m_sPicturesDir(picturesDir)
    , m_sBundleDir(bundleDir)
{
}

void Context::writeFile(QString const& path, QByteArray const& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!writeIfChanged(path, data)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        m_bOk = false;
    }
}

void Context::savePicture(QString const& resourcePath, QImage const& image)
{
    QByteArray const png = encode(image, "PNG");
    if (png.isEmpty()) {
        std::fprintf(stderr, "assetgen: cannot encode %s\n", qPrintable(resourcePath));
        m_bOk = false;
        return;
    }
    savePictureData(resourcePath, png);
}

void Context::savePictureData(QString const& resourcePath, QByteArray const& data)
{
    writeFile(m_sPicturesDir + "/" + resourcePath, data);
    m_lPictures << resourcePath;
}

void Context::saveBundleFile(QString const& name, QByteArray const& data)
{
    writeFile(m_sBundleDir + "/" + name, data);
}

void Context::saveBundleImage(QString const& name, QImage const& image, char const* format, int quality)
{
    QByteArray const bytes = encode(image, format, quality);
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "assetgen: cannot encode %s\n", qPrintable(name));
        m_bOk = false;
        return;
    }
    saveBundleFile(name, bytes);
}

} // namespace AssetGen

// Usage: tw-assetgen <pictures-dir> <bundle-dir> <qrc-file>
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <pictures-dir> <bundle-dir> <qrc-file>\n", argv[0]);
        return 2;
    }
    AssetGen::Context context(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    for (auto const& entry : AssetGen::registry())
        entry.second(context);

    QByteArray qrc;
    {
        QTextStream ts(&qrc);
        ts << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
        QStringList pictures = context.pictures();
        pictures.sort();
        for (QString const& p : pictures)
            ts << "  <file alias=\"" << p << "\">" << QDir(argv[1]).absoluteFilePath(p) << "</file>\n";
        ts << "</qresource>\n</RCC>\n";
    }
    QString const qrcPath = QString::fromLocal8Bit(argv[3]);
    if (!AssetGen::writeIfChanged(qrcPath, qrc)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(qrcPath));
        return 1;
    }
    return context.ok() ? 0 : 1;
}
