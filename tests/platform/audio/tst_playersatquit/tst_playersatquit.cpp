// One-shot players left when the program quits: still sounding, or with a
// failed load not yet reported. When the application object goes away, none may be left (the
// sanitizer's leak check at exit reports the memory they hold).
#include "platform/audio/AudioEngine.h"
#include "platform/audio/NativeAudioPlayer.h"
#include "platform/audio/NativeAudioPlayerInternal.h"

#include "TestSupport/PlayerRecorder.h"
#include "TestSupport/TestTone.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using QMMultiMedia::NativeAudioPlayer;
using QMMultiMedia::NativeAudioPlayerInternal;
using TickwrenAudio::AudioVoice;

using PlayerTest::playAndForget;

class TestPlayersAtQuit : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(TestTone::writeWavMs(m_dir.filePath("long.wav"), 3000));
    }

    void leftPlayersAreReleased_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("quit"); // "timer": 300 ms in; "none": no event loop at all
        QTest::newRow("still sounding") << "long.wav" << 5 << "timer";
        QTest::newRow("failed load not yet reported") << "missing.wav" << 3 << "none";
        QTest::newRow("a bell ringing as the quit comes") << "long.wav" << 1 << "none";
    }
    void leftPlayersAreReleased()
    {
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(QString, quit);
        {
            int argc = 1;
            char name[] = "tst_playersatquit";
            char* argv[] = {name, nullptr};
            QCoreApplication app(argc, argv);
            for (int i = 0; i < count; ++i)
                playAndForget(m_dir.filePath(file));
            if (quit == "timer")
                QTimer::singleShot(300, &app, &QCoreApplication::quit);
            if (quit != "none")
                app.exec();
            QCOMPARE(NativeAudioPlayerInternal::instanceCount(), count);
        }
        QCOMPARE(NativeAudioPlayerInternal::instanceCount(), 0);
        QCOMPARE(AudioVoice::liveCount(), 0);
    }

    void ownedPlayersAreLeftToTheirOwner()
    {
        // A player that a longer-lived owner holds is not deleted under it.
        NativeAudioPlayer* kept = nullptr;
        {
            int argc = 1;
            char name[] = "tst_playersatquit";
            char* argv[] = {name, nullptr};
            QCoreApplication app(argc, argv);
            kept = new NativeAudioPlayer;
            kept->setMedia(m_dir.filePath("long.wav"));
        }
        QCOMPARE(NativeAudioPlayerInternal::instanceCount(), 1);
        delete kept;
        QCOMPARE(NativeAudioPlayerInternal::instanceCount(), 0);
    }
};

QTEST_APPLESS_MAIN(TestPlayersAtQuit)
#include "tst_playersatquit.moc"
