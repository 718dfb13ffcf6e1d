// The engine on a real sound server: a server of the test's own with a sink
// that discards what it gets, so that the device path runs without a sound
// card and nothing is heard. The server is then killed: sounds must still end,
// and the engine must come back to the device later without falling over a
// server that is no longer there.
#include "platform/audio/AudioEngine.h"

#include "TestSupport/TestTone.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using TickwrenAudio::AudioEngine;
using TickwrenAudio::AudioVoice;

namespace {

// A sound server listening on a socket in a folder of its own, with no
// configuration read from the machine.
class PrivateSoundServer
{
public:
    ~PrivateSoundServer() { kill(); }

    // The address for PULSE_SERVER, empty when the server did not come up.
    QString start()
    {
        QString const program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty() || !m_dir.isValid())
            return QString();
        QString const socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("HOME"), m_dir.path());
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(program,
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                        // Should the test die without killing it, the server
                        // leaves once its last client (the test) is gone.
                        QStringLiteral("--exit-idle-time=5"), QStringLiteral("--use-pid-file=no"),
                        QStringLiteral("--log-level=error"), QStringLiteral("-Lmodule-null-sink sink_name=discard"),
                        QStringLiteral("-Lmodule-native-protocol-unix auth-anonymous=1 socket=") + socket});
        if (!m_server.waitForStarted(5000))
            return QString();
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo::exists(socket)) {
            if (m_server.state() == QProcess::NotRunning || clock.elapsed() > 10000)
                return QString();
            QTest::qWait(20);
        }
        return QStringLiteral("unix:") + socket;
    }

    // Gone at once, as a crashed server is.
    void kill()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.kill();
        m_server.waitForFinished(5000);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
};

} // namespace

class TestAudioDevice : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PrivateSoundServer m_server;
    QString m_tone;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_tone = m_dir.filePath(QStringLiteral("tone.wav"));
        QVERIFY(TestTone::writeWavMs(m_tone, 300));
        QString const address = m_server.start();
        if (address.isEmpty())
            QSKIP("no sound server program (pulseaudio) to start");
        qputenv("PULSE_SERVER", address.toUtf8());
        // The device, not the silent clock the other tests run on.
        qunsetenv("TICKWREN_SILENT_AUDIO");
    }

    void serverGoneAndBack()
    {
        auto voice = AudioVoice::open(m_tone);
        QVERIFY(voice);
        voice->setVolume(0.0f);
        AudioEngine& engine = AudioEngine::instance();

        // A sound server's sink may take its time to start streaming.
        voice->play();
        QTRY_VERIFY_WITH_TIMEOUT(!voice->isPlaying(), 10000);
        QVERIFY(!engine.isSilent());
        QVERIFY(!engine.deviceName().isEmpty());

        // The server dies in the middle of a sound: the silent clock takes
        // over and the sound still ends.
        voice->play();
        m_server.kill();
        QTRY_VERIFY_WITH_TIMEOUT(engine.isSilent(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!voice->isPlaying(), 5000);

        // Long enough after the failure for the engine to try the device
        // again; the server is still gone, so the try fails and the sound
        // ends on the silent clock.
        QTest::qWait(10500);
        QElapsedTimer clock;
        clock.start();
        voice->play();
        QTRY_VERIFY_WITH_TIMEOUT(!voice->isPlaying(), 5000);
        QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(engine.isSilent());
    }
};

QTEST_GUILESS_MAIN(TestAudioDevice)
#include "tst_audiodevice.moc"
