#pragma once
// The asset generator draws every picture the program compiles in and writes
// every file of the bundle's resource folder (sounds, slides, marker files).
// Each group of assets lives in its own source file and registers itself with
// TW_ASSET_GENERATOR, so adding assets never touches the generator's core.

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

namespace AssetGen {

class Context
{
public:
    Context(QString const& picturesDir, QString const& bundleDir);

    // A picture compiled into the program, addressed as ":/" + resourcePath.
    void savePicture(QString const& resourcePath, QImage const& image);
    // The same for a picture already encoded (a format Qt can read but not write, such as GIF).
    void savePictureData(QString const& resourcePath, QByteArray const& data);
    // A file of the bundle's resource folder, read from disk at run time.
    void saveBundleFile(QString const& name, QByteArray const& data);
    void saveBundleImage(QString const& name, QImage const& image, char const* format, int quality = -1);

    QStringList const& pictures() const { return m_lPictures; }
    bool ok() const { return m_bOk; }
    // For a group that could not make one of its assets: the run fails.
    void fail() { m_bOk = false; }

private:
    void writeFile(QString const& path, QByteArray const& data);

    QString m_sPicturesDir;
    QString m_sBundleDir;
    QStringList m_lPictures;
    bool m_bOk = true;
};

using GeneratorFunction = void (*)(Context&);

// Helpers every group of assets draws with.

// A transparent ARGB canvas.
QImage canvas(int width, int height);

// The type of the pictures' text, named rather than left to the desktop's
// default, so that the pictures come out the same on every build machine.
QFont font(qreal pixelSize, bool bold = false);

// A simple deterministic pseudo-random sequence, so that the generated files
// stay byte-identical from build to build.
class Random
{
public:
    explicit Random(quint32 seed)
        : m_nState(seed)
    {
    }
    // A value in [0, 1).
    qreal next()
    {
        m_nState = m_nState * 1664525u + 1013904223u;
        return (m_nState >> 8) / qreal(1 << 24);
    }

private:
    quint32 m_nState;
};

struct Registrar
{
    Registrar(char const* name, GeneratorFunction fn);
};

} // namespace AssetGen

#define TW_ASSET_GENERATOR(fn) static AssetGen::Registrar s_registrar_##fn(#fn, fn);
