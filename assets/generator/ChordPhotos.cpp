// The chord photos of the photo view: one picture for every distinct voicing of
// the eight chord pages, read from the pages' own tables: the neck of a string
// instrument with the voicing on it (ChordPhotoNeck.cpp), an octave of the
// piano's keyboard with the chord's pitch classes pressed (ChordPhotoKeyboard.cpp).
//
// Names: "_resources/imgs/Chords/" + InstrumentId + "_" + code + ".jpg", the
// code being the values in string order ("X" for a silent string) or, on the
// piano, one character per pitch class from C to B ("0" pressed, "X" not).
// The pictures go into a resource file of the bundle of their own, which the
// chord pages register: some eight hundred photos would triple the pictures
// compiled into every program.
#include "AssetGenerator.h"
#include "ChordPhotoArt.h"
#include "RADarir/chordpages/tables/ChordTables.h"

#include <QBuffer>
#include <QMap>

#include <cstdio>

using namespace RADarir::ChordTables;

namespace {

QString const kFolder = QStringLiteral("_resources/imgs/Chords/");
constexpr int kJpegQuality = 82;

QString stringCode(QVector<int> const& tab)
{
    QString code;
    for (int value : tab)
        code += value < 0 ? QStringLiteral("X") : QString::number(value);
    return code;
}

// Both octaves folded into the twelve pitch classes, as the views name it.
QString pianoCode(QVector<int> const& tab)
{
    QString code;
    for (int k = 0; k < 12; ++k)
        code += (tab.value(k, -1) == 0 || tab.value(k + 12, -1) == 0) ? QLatin1Char('0') : QLatin1Char('X');
    return code;
}

QByteArray jpeg(QImage const& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", kJpegQuality))
        return QByteArray();
    return bytes;
}

void save(AssetGen::Context& ctx, QString const& name, QImage const& image)
{
    QByteArray const data = jpeg(image);
    if (data.isEmpty()) {
        std::fprintf(stderr, "chordphotos: cannot encode %s\n", qPrintable(name));
        ctx.fail();
        return;
    }
    ctx.savePictureData(kFolder + name, data);
}

void chordPhotos(AssetGen::Context& ctx)
{
    for (Layout const& layout : layouts()) {
        // One photo per distinct code; two voicings with one code would show one picture.
        QMap<QString, QVector<int>> photos;
        for (QVector<int> const& tab : tabs(layout.instrument)) {
            bool const piano = layout.instrument == Instrument::Piano;
            QString const code = piano ? pianoCode(tab) : stringCode(tab);
            if (!piano && photos.contains(code) && photos.value(code) != tab) {
                std::fprintf(stderr, "chordphotos: two %s voicings share the photo %s\n", qPrintable(layout.id),
                             qPrintable(code));
                ctx.fail();
            }
            photos.insert(code, tab);
        }
        for (auto it = photos.cbegin(); it != photos.cend(); ++it) {
            QString const name = layout.id + QLatin1Char('_') + it.key() + QStringLiteral(".jpg");
            save(ctx, name,
                 layout.instrument == Instrument::Piano ? ChordPhotoArt::keyboardPhoto(it.key())
                                                        : ChordPhotoArt::neckPhoto(layout, it.value()));
        }
    }
}

} // namespace

TW_ASSET_GENERATOR(chordPhotos)