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
} // namespace

Registrar::Registrar(char const* name, GeneratorFunction fn)
{
    registry().emplace_back(name, fn);
}

Context::Context(QString const& picturesDir, QString const& bundleDir)
    : m_sPicturesDir(picturesDir)
    , m_sBundleDir(bundleDir)
{
}

void Context::writeFile(QString const& path, QByteArray const& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Leave an unchanged file alone so that its time stamp does not force rebuilds.
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data)
        return;
    existing.close();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit()) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        m_bOk = false;
    }
}

void Context::savePicture(QString const& resourcePath, QImage const& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        std::fprintf(stderr, "assetgen: cannot encode %s\n", qPrintable(resourcePath));
        m_bOk = false;
        return;
    }
    writeFile(m_sPicturesDir + "/" + resourcePath, png);
    m_lPictures << resourcePath;
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
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, format, quality)) {
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
    QFile existing(qrcPath);
    bool same = existing.open(QIODevice::ReadOnly) && existing.readAll() == qrc;
    existing.close();
    if (!same) {
        QSaveFile out(qrcPath);
        if (!out.open(QIODevice::WriteOnly) || out.write(qrc) != qrc.size() || !out.commit())
            return 1;
    }
    return context.ok() ? 0 : 1;
}
