// Starts the application object as the program does, prints the audio player's
// volume and mute state as the run finds them ("0.5 0"), changes them as the
// arguments say (a volume or "-", then "mute", "unmute" or "-") and ends through
// the event loop, as a user's quit does.
#include "QMMultiMedia/AudioPlayer.h"
#include "ZEDireroz/frame/App.h"

#include <QTimer>

#include <cstdio>

using QMMultiMedia::AudioPlayer;

int main(int argc, char** argv)
{
    ZEDireroz::App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    QStringList const args = QCoreApplication::arguments();
    AudioPlayer* player = AudioPlayer::instance();
    std::printf("%g %d\n", player->volume(), int(player->isMuted()));
    std::fflush(stdout);

    QString const volume = args.value(1, QStringLiteral("-"));
    QString const mute = args.value(2, QStringLiteral("-"));
    if (volume != QLatin1String("-"))
        player->setVolume(volume.toDouble());
    if (mute == QLatin1String("mute"))
        player->setMuted(true);
    else if (mute == QLatin1String("unmute"))
        player->setMuted(false);

    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
