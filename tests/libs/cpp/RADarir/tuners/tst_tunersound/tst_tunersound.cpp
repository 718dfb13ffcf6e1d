// A press of a string button reaches the speakers at the string's pitch: the
// guitar page's A2 at a concert pitch of 442 Hz, recorded from the null sink
// of a private sound server, is within one cent of 442 x 2^(-24/12) Hz.
#include "RADarir/tuners/InstrumentTuners.h"
#include "TestSupport/PrivateSoundServer.h"
#include "TestSupport/SinkRecorder.h"
#include "ZEDireroz/frame/App.h"
#include "assets/tst_instrumentsamples/SampleAnalysis.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace RADarir;

namespace {

constexpr int kSinkRate = 48000;
constexpr double kSeconds = 1.5;

std::vector<float> fromOnset(std::vector<float> const& x, double seconds)
{
    double const threshold = 0.01 * SampleAnalysis::peakOf(x, 0, x.size());
    std::size_t start = 0;
    while (start < x.size() && std::fabs(x[start]) < threshold)
        ++start;
    std::size_t const end = std::min(x.size(), start + std::size_t(seconds * kSinkRate));
    return std::vector<float>(x.begin() + std::ptrdiff_t(start), x.begin() + std::ptrdiff_t(end));
}

} // namespace

class TestTunerSound : public QObject
{
    Q_OBJECT

private slots:
    void stringPressHeardAtItsPitch()
    {
        if (!PrivateSoundServer::available())
            QSKIP("no sound server program (pulseaudio) to start");
        PrivateSoundServer server;
        QVERIFY(server.start());
        qputenv("PULSE_SERVER", server.address().toUtf8());
        qunsetenv("TICKWREN_SILENT_AUDIO");
        SinkRecorder recorder;
        QVERIFY(recorder.start(server.address().toUtf8()));

        ZEDireroz::App::theApp()->setSettingsValue("Pitch", 442);
        GuitarTuner page(nullptr);
        page.show();
        QSignalSpy started(&page, &TunerBasePage::soundStarted);
        QCOMPARE(page.button(1)->text(), QString("A2"));
        page.button(1)->click();
        QCOMPARE(started.size(), 1);
        QVERIFY(started.at(0).at(0).toString().endsWith("guitar_442_A2.mp3"));

        auto heardSoFar = [&recorder] {
            std::vector<std::int16_t> const raw = recorder.left();
            std::vector<float> heard(raw.size());
            std::transform(raw.begin(), raw.end(), heard.begin(), [](std::int16_t v) { return v / 32768.0f; });
            return heard;
        };
        QTRY_VERIFY_WITH_TIMEOUT(fromOnset(heardSoFar(), kSeconds).size() >= std::size_t(kSeconds * kSinkRate), 10000);
        recorder.stop();
        std::vector<float> const heard = heardSoFar();
        QVERIFY2(SampleAnalysis::peakOf(heard, 0, heard.size()) > 0.05, "nothing reached the sink");
        double const expected = 442.0 * std::pow(2.0, -24.0 / 12.0);
        double const off =
            SampleAnalysis::cents(SampleAnalysis::pitch(fromOnset(heard, kSeconds), kSinkRate, expected).hz, expected);
        QVERIFY2(std::fabs(off) < 1.0, qPrintable(QString("heard %1 cents off").arg(off)));
    }
};

int main(int argc, char** argv)
{
    ZEDireroz::App app(argc, argv, "Olvenar", "TickwrenTrial");
    TestTunerSound test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tunersound.moc"
