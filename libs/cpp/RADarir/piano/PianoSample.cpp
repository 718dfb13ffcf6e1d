#include "RADarir/piano/PianoSample.h"

#include "ZEDireroz/frame/App.h"
#include "platform/audio/NativeAudioPlayer.h"

namespace RADarir {

QString pianoSamplePath(QString const& note)
{
    ZEDireroz::App const* app = ZEDireroz::App::theApp();
    QString const folder = app ? app->bundleResourcePath() : QString();
    return folder + QStringLiteral("piano_440_") + note + QStringLiteral(".mp3");
}

QMMultiMedia::NativeAudioPlayer* playPianoSample(QString const& path)
{
    auto* player = new QMMultiMedia::NativeAudioPlayer;
    QObject::connect(player, &QMMultiMedia::NativeAudioPlayer::finished, player, &QObject::deleteLater);
    player->play(path);
    return player;
}

} // namespace RADarir
