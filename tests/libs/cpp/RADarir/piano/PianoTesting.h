#pragma once
// What the piano tests share: widgets that note every sample file they are
// asked to play (and still play it), and the test that a path names one of the
// instrument samples the build generated.

#include "assets/generator/InstrumentSamples.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStringList>

namespace PianoTesting {

template <class Widget>
class Recording : public Widget
{
public:
    using Widget::Widget;
    QStringList played;
    QPointer<QMMultiMedia::NativeAudioPlayer> lastPlayer;

protected:
    QMMultiMedia::NativeAudioPlayer* playSample(QString const& path) override
    {
        played << path;
        lastPlayer = Widget::playSample(path);
        return lastPlayer;
    }
};

// The path lies in the bundle's resource folder, is a file there, and is one
// of the generated piano samples.
inline bool isGeneratedPianoSample(QString const& path)
{
    QFileInfo const info(path);
    QString const bundle = QDir(qEnvironmentVariable("TICKWREN_RESOURCE_DIR")).absolutePath();
    if (!info.isFile() || info.absolutePath() != bundle)
        return false;
    for (InstrumentSamples::Sample const& s : InstrumentSamples::all())
        if (s.prefix == QLatin1String("piano") && s.fileName() == info.fileName())
            return true;
    return false;
}

} // namespace PianoTesting
