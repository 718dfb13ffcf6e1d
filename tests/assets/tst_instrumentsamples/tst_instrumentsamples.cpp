// The instrument notes in the bundle's resource folder: every name the pages
// ask for is there, and every file, decoded by the platform player's decoder,
// sounds the note of its name (tuners' reference tones within half a cent,
// the others within two), lasts as long as it should, peaks between -6 and
// -0.5 dBFS and starts and ends without a click. Then one note of each family
// goes through a sound server of the test's own and comes back with the
// spectrum of its file.
#include "SampleAnalysis.h"

#include "assets/generator/InstrumentSamples.h"
#include "platform/audio/DecodedSound.h"
#include "platform/audio/NativeAudioPlayer.h"

#include "TestSupport/PrivateSoundServer.h"
#include "TestSupport/SinkRecorder.h"
#include "TestSupport/TestTone.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include <numeric>

using InstrumentSamples::Sample;
using namespace SampleAnalysis;

namespace {

QString resourceDir()
{
    return QString::fromLocal8Bit(qgetenv("TICKWREN_RESOURCE_DIR"));
}

Sample sampleNamed(QString const& name)
{
    for (Sample const& s : InstrumentSamples::all())
        if (s.fileName() == name)
            return s;
    return Sample();
}

// The first channel of a decoded file.
std::vector<float> firstChannel(TickwrenAudio::DecodedSound const& sound)
{
    std::vector<float> x(std::size_t(sound.frames));
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = sound.samples[i * std::size_t(sound.channels)];
    return x;
}

// Everything wrong with the file at `path` as the note `expected`; empty when
// it is a good note. The fundamental's error in cents goes to `offCents`.
QStringList problemsOf(QString const& path, Sample const& expected, double* offCents = nullptr)
{
    auto const sound = TickwrenAudio::DecodedSoundCache::decode(path);
    if (!sound || sound->frames == 0)
        return {QStringLiteral("cannot be decoded")};
    QStringList problems;
    int const rate = sound->sampleRate;
    if (sound->channels != 1 || (rate != 44100 && rate != 48000))
        problems << QStringLiteral("%1 channels at %2 Hz, not mono at 44.1 or 48 kHz").arg(sound->channels).arg(rate);
    if (std::fabs(sound->durationSeconds() - InstrumentSamples::kSeconds) > 0.005)
        problems << QStringLiteral("lasts %1 s").arg(sound->durationSeconds());
    std::vector<float> const x = firstChannel(*sound);

    double const peak = peakOf(x, 0, x.size());
    if (dB(peak) < -6.0 || dB(peak) > -0.5)
        problems << QStringLiteral("peaks at %1 dBFS").arg(dB(peak), 0, 'f', 2);

    // A click is a step out of silence or into it: a note must rise from
    // nothing (a fade-in of a few milliseconds) and be faded out at its end.
    // (The encoder spreads a trace of a bright attack over the first
    // samples, some 20 dB down; a step out of silence starts near full level.)
    std::size_t const ms = std::size_t(rate / 1000);
    double const firstQuarterMs = peakOf(x, 0, ms / 4);
    if (firstQuarterMs > 0.25 * peak)
        problems << QStringLiteral("clicks at its start (first quarter ms at %1)").arg(firstQuarterMs);
    double const last = std::fabs(x.back());
    double const lastMs = peakOf(x, x.size() - 5 * ms, x.size());
    if (last > 0.01 || lastMs > 0.02 * peak)
        problems << QStringLiteral("clicks at its end (last sample %1, last 5 ms %2)").arg(last).arg(lastMs);

    Pitch const p = pitch(x, rate, expected.frequency());
    double const off = cents(p.hz, expected.frequency());
    if (offCents)
        *offCents = off;
    if (std::fabs(off) > expected.toleranceCents)
        problems << QStringLiteral("sounds %1 Hz for %2 Hz (%3 cents)")
                        .arg(p.hz, 0, 'f', 4)
                        .arg(expected.frequency(), 0, 'f', 4)
                        .arg(off, 0, 'f', 3);
    // The peak found must be the note's fundamental: strong enough, and with
    // nothing an octave below it.
    if (p.belowStrongestDb < -30.0)
        problems << QStringLiteral("fundamental %1 dB below the strongest partial").arg(p.belowStrongestDb);
    if (p.subharmonicDb > -30.0)
        problems << QStringLiteral("an octave below sounds at %1 dB").arg(p.subharmonicDb);
    return problems;
}

// From the first sample above 1% of the peak on, `seconds` long.
std::vector<float> fromOnset(std::vector<float> const& x, int rate, double seconds)
{
    double const threshold = 0.01 * peakOf(x, 0, x.size());
    std::size_t start = 0;
    while (start < x.size() && std::fabs(x[start]) < threshold)
        ++start;
    std::size_t const end = std::min(x.size(), start + std::size_t(seconds * rate));
    return std::vector<float>(x.begin() + std::ptrdiff_t(start), x.begin() + std::ptrdiff_t(end));
}

// Levels of third-octave bands from 50 Hz to 10 kHz, relative to the
// strongest band, in dB.
std::vector<double> bandLevels(std::vector<float> const& x, int rate)
{
    Spectrum const s = spectrum(windowed(x), rate);
    std::vector<double> bands;
    for (double low = 50.0; low < 10000.0; low *= std::pow(2.0, 1.0 / 3.0)) {
        double energy = 0.0;
        for (int k = s.bin(low); k < s.bin(low * std::pow(2.0, 1.0 / 3.0)); ++k)
            energy += s.magnitude[std::size_t(k)] * s.magnitude[std::size_t(k)];
        bands.push_back(10.0 * std::log10(std::max(energy, 1e-30)));
    }
    double const top = *std::max_element(bands.begin(), bands.end());
    for (double& b : bands)
        b -= top;
    return bands;
}

} // namespace

class TestInstrumentSamples : public QObject
{
    Q_OBJECT

private slots:
    // The table against the names the pages use.
    void table_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("hz");
        QTest::addColumn<double>("tolerance");
        // Tuners: stem, pitch of the pitch menu, note; sharps never occur.
        QTest::newRow("violin G at 442") << "violine_442_G3.mp3" << 442.0 * std::pow(2.0, -14 / 12.0) << 0.5;
        QTest::newRow("viola C at 415") << "violine_415_C3.mp3" << 415.0 * std::pow(2.0, -21 / 12.0) << 0.5;
        QTest::newRow("bass guitar B0 at 460") << "bassguitar_460_B0.mp3" << 460.0 * std::pow(2.0, -46 / 12.0) << 0.5;
        QTest::newRow("dombra G at 430") << "dombra_430_G3.mp3" << 430.0 * std::pow(2.0, -14 / 12.0) << 0.5;
        QTest::newRow("double bass E1") << "doublebass_435_E1.mp3" << 435.0 * std::pow(2.0, -41 / 12.0) << 0.5;
        // A tuner note that a chord page plays too keeps the tuner's tolerance.
        QTest::newRow("guitar E2, tuner and chords") << "guitar_440_E2.mp3" << 82.40689 << 0.5;
        QTest::newRow("guitar F#2, chords") << "guitar_440_Fd2.mp3" << 92.49861 << 2.0;
        // The piano's 88 keys, sharps as "d".
        QTest::newRow("piano A#0") << "piano_440_Ad0.mp3" << 29.13524 << 2.0;
        QTest::newRow("piano C8") << "piano_440_C8.mp3" << 4186.009 << 2.0;
        QTest::newRow("piano C#4") << "piano_440_Cd4.mp3" << 277.1826 << 2.0;
        // The chord pages' ends.
        QTest::newRow("ukulele F5") << "ukulele_440_F5.mp3" << 698.4565 << 2.0;
        QTest::newRow("mandolin C6") << "mandolin_440_C6.mp3" << 1046.502 << 2.0;
        QTest::newRow("banjo F#5") << "banjo_440_Fd5.mp3" << 739.9888 << 2.0;
        QTest::newRow("second bass page G#3") << "bass_440_Gd3.mp3" << 207.6523 << 2.0;
        QTest::newRow("balalaika F#5") << "balalaika_440_Fd5.mp3" << 739.9888 << 2.0;
    }
    void table()
    {
        QFETCH(QString, name);
        QFETCH(double, hz);
        QFETCH(double, tolerance);
        Sample const s = sampleNamed(name);
        QCOMPARE(s.fileName(), name);
        QVERIFY2(std::fabs(cents(s.frequency(), hz)) < 0.01, qPrintable(QString::number(s.frequency())));
        QCOMPARE(s.toleranceCents, tolerance);
    }

    void setSizes_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("lowest");
        QTest::addColumn<QString>("highest");
        QTest::newRow("ukulele chords") << "ukulele" << 440 << 18 << "C4"
                                        << "F5";
        QTest::newRow("piano keys") << "piano" << 440 << 88 << "A0"
                                    << "C8";
        QTest::newRow("mandolin chords") << "mandolin" << 440 << 30 << "G3"
                                         << "C6";
        QTest::newRow("guitar chords") << "guitar" << 440 << 33 << "E2"
                                       << "C5";
        QTest::newRow("banjo chords") << "banjo" << 440 << 29 << "D3"
                                      << "Fd5";
        QTest::newRow("both bass pages") << "bass" << 440 << 29 << "E1"
                                         << "Gd3";
        QTest::newRow("balalaika chords") << "balalaika" << 440 << 15 << "E4"
                                          << "Fd5";
        QTest::newRow("violin and viola tuner") << "violine" << 452 << 5 << "C3"
                                                << "E5";
        QTest::newRow("guitar tuner at 415") << "guitar" << 415 << 6 << "E2"
                                             << "E4";
        QTest::newRow("bass guitar tuner") << "bassguitar" << 443 << 5 << "B0"
                                           << "G2";
        QTest::newRow("no other pitch") << "guitar" << 441 << 0 << ""
                                        << "";
    }
    void setSizes()
    {
        QFETCH(QString, prefix);
        QFETCH(int, pitch);
        QFETCH(int, count);
        QFETCH(QString, lowest);
        QFETCH(QString, highest);
        QStringList notes;
        for (Sample const& s : InstrumentSamples::all())
            if (s.prefix == prefix && s.pitch == pitch)
                notes << InstrumentSamples::noteName(s.midi);
        QCOMPARE(notes.size(), count);
        if (count > 0) {
            std::sort(notes.begin(), notes.end(), [](QString const& a, QString const& b) {
                return InstrumentSamples::midiOf(a) < InstrumentSamples::midiOf(b);
            });
            QCOMPARE(notes.first(), lowest);
            QCOMPARE(notes.last(), highest);
        }
    }

    void wholeSet()
    {
        // 41 tuner strings at 10 pitches, 88 piano keys, and the chord pages'
        // notes that neither of those already has.
        QCOMPARE(InstrumentSamples::all().size(), 41 * 10 + 88 + 14 + 26 + 27 + 24 + 29 + 13);
        // The bundle holds exactly the table's notes: none missing, no stale
        // file of an older table left behind.
        QStringList expected;
        for (Sample const& s : InstrumentSamples::all())
            expected << s.fileName();
        QStringList present = QDir(resourceDir()).entryList({QStringLiteral("*_*_*.mp3")}, QDir::Files);
        expected.sort();
        present.sort();
        QCOMPARE(present, expected);
    }

    // The checks below must be able to fail: each fixture carries one fault.
    void faultsFound_data()
    {
        QTest::addColumn<double>("hz");
        QTest::addColumn<double>("peak");
        QTest::addColumn<double>("fadeInMs");
        QTest::addColumn<double>("fadeOutMs");
        QTest::addColumn<QString>("fault");
        double const g3at442 = 442.0 * std::pow(2.0, -14 / 12.0);
        QTest::newRow("good") << g3at442 << 0.7 << 5.0 << 200.0 << "";
        QTest::newRow("0.6 cent sharp") << g3at442 * std::pow(2.0, 0.6 / 1200) << 0.7 << 5.0 << 200.0 << "cents";
        QTest::newRow("tuned to 440") << g3at442 * 440.0 / 442.0 << 0.7 << 5.0 << 200.0 << "cents";
        QTest::newRow("an octave low") << g3at442 / 2 << 0.7 << 5.0 << 200.0 << "octave below";
        QTest::newRow("too quiet") << g3at442 << 0.45 << 5.0 << 200.0 << "peaks";
        QTest::newRow("too loud") << g3at442 << 0.99 << 5.0 << 200.0 << "peaks";
        QTest::newRow("abrupt start") << g3at442 << 0.7 << 0.0 << 200.0 << "start";
        QTest::newRow("cut off") << g3at442 << 0.7 << 5.0 << 0.0 << "end";
    }
    void faultsFound()
    {
        QFETCH(double, hz);
        QFETCH(double, peak);
        QFETCH(double, fadeInMs);
        QFETCH(double, fadeOutMs);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        QString const path = dir.filePath(QStringLiteral("note.wav"));
        int const rate = InstrumentSamples::kSampleRate;
        std::int64_t const frames = std::int64_t(InstrumentSamples::kSeconds * rate);
        // A decaying tone with its octave above, faded as asked and brought
        // to the peak asked for; it starts a quarter period in, so that
        // without a fade it starts on a step.
        std::vector<double> note(static_cast<std::size_t>(frames));
        for (std::int64_t n = 0; n < frames; ++n) {
            double const t = double(n) / rate;
            double const left = double(frames - n - 1) / rate;
            double const in = fadeInMs > 0 ? std::min(1.0, t * 1000 / fadeInMs) : 1.0;
            double const out = fadeOutMs > 0 ? std::min(1.0, left * 1000 / fadeOutMs) : 1.0;
            double const phase = 2 * kPi * hz * t + kPi / 2;
            note[std::size_t(n)] = in * out * std::exp(-t) * (0.8 * std::sin(phase) + 0.2 * std::sin(2 * phase));
        }
        double const max = std::fabs(*std::max_element(note.begin(), note.end(),
                                                       [](double a, double b) { return std::fabs(a) < std::fabs(b); }));
        QVERIFY(TestTone::writeWavOf(path, frames, rate, 1,
                                     [&](std::int64_t n) { return note[std::size_t(n)] * peak / max; }));
        Sample g3;
        g3.prefix = QStringLiteral("violine");
        g3.pitch = 442;
        g3.midi = InstrumentSamples::midiOf(QStringLiteral("G3"));
        g3.toleranceCents = InstrumentSamples::kTunerToleranceCents;
        QStringList const problems = problemsOf(path, g3);
        if (fault.isEmpty())
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
        else
            QVERIFY2(problems.join("; ").contains(fault), qPrintable(problems.join("; ")));
    }

    void everyFileSoundsItsName()
    {
        QVector<Sample> const samples = InstrumentSamples::all();
        QDir const dir(resourceDir());
        // Decoding and measuring one file is independent of the others.
        QVector<int> indexes(samples.size());
        std::iota(indexes.begin(), indexes.end(), 0);
        QVector<QString> verdicts(samples.size());
        QVector<double> offCents(samples.size(), 0.0);
        QtConcurrent::blockingMap(indexes, [&](int const& i) {
            QStringList const problems = problemsOf(dir.filePath(samples[i].fileName()), samples[i], &offCents[i]);
            if (!problems.isEmpty())
                verdicts[i] = samples[i].fileName() + ": " + problems.join("; ");
        });
        QStringList failures;
        double worstTuner = 0.0, worstNote = 0.0;
        for (int i = 0; i < samples.size(); ++i) {
            if (!verdicts[i].isEmpty())
                failures << verdicts[i];
            double& worst = samples[i].toleranceCents < InstrumentSamples::kNoteToleranceCents ? worstTuner : worstNote;
            worst = std::max(worst, std::fabs(offCents[i]));
        }
        qInfo("%d files; largest error of a tuner note %.4f cents, of another note %.4f cents", int(samples.size()),
              worstTuner, worstNote);
        QVERIFY2(failures.isEmpty(),
                 qPrintable(QString("%1 bad files:\n").arg(failures.size()) + failures.mid(0, 1000).join("\n")));
    }

    // One note of each family through a sound server: what reaches the sink
    // is the note of the file, with the file's spectrum.
    void playedThroughSoundServer_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plucked") << "guitar_440_A2.mp3";
        QTest::newRow("bowed") << "violine_440_A4.mp3";
        QTest::newRow("piano") << "piano_440_C4.mp3";
    }
    void playedThroughSoundServer()
    {
        QFETCH(QString, name);
        if (!PrivateSoundServer::available())
            QSKIP("no sound server program (pulseaudio) to start");
        PrivateSoundServer server;
        QVERIFY(server.start());
        qputenv("PULSE_SERVER", server.address().toUtf8());
        qunsetenv("TICKWREN_SILENT_AUDIO");
        SinkRecorder recorder;
        QVERIFY(recorder.start(server.address().toUtf8()));

        QString const path = QDir(resourceDir()).filePath(name);
        auto const decoded = TickwrenAudio::DecodedSoundCache::decode(path);
        QVERIFY(decoded);
        QMMultiMedia::NativeAudioPlayer player;
        QSignalSpy finished(&player, SIGNAL(finished()));
        player.setVolume(1.0);
        player.play(path);
        QVERIFY(finished.wait(10000));
        // The sink may hold a new stream back a moment: wait until the whole
        // note has come through it.
        double const seconds = 1.8;
        auto heardSoFar = [&recorder] {
            std::vector<std::int16_t> const raw = recorder.left();
            std::vector<float> heard(raw.size());
            std::transform(raw.begin(), raw.end(), heard.begin(), [](std::int16_t v) { return v / 32768.0f; });
            return heard;
        };
        QTRY_VERIFY_WITH_TIMEOUT(fromOnset(heardSoFar(), 48000, seconds).size() >= std::size_t(seconds * 48000), 8000);
        recorder.stop();
        std::vector<float> const heard = heardSoFar();
        QVERIFY2(peakOf(heard, 0, heard.size()) > 0.1, "nothing reached the sink");

        std::vector<float> const fileNote = fromOnset(firstChannel(*decoded), decoded->sampleRate, seconds);
        std::vector<float> const heardNote = fromOnset(heard, 48000, seconds);

        Sample const expected = sampleNamed(name);
        double const off = cents(pitch(heardNote, 48000, expected.frequency()).hz, expected.frequency());
        QVERIFY2(std::fabs(off) < 1.0, qPrintable(QString("heard %1 cents off").arg(off)));
        std::vector<double> const fileBands = bandLevels(fileNote, decoded->sampleRate);
        std::vector<double> const heardBands = bandLevels(heardNote, 48000);
        for (std::size_t b = 0; b < fileBands.size(); ++b) {
            if (fileBands[b] < -30.0)
                continue;
            // The file's 44.1 kHz and the sink's 48 kHz put the analysis bins
            // apart, so a partial near a band's edge may count in the next band
            // in one of the two: a weak band (more than 20 dB below the
            // strongest) moves by more than a strong one.
            double const tolerance = fileBands[b] < -20.0 ? 6.0 : 3.0;
            QVERIFY2(
                std::fabs(fileBands[b] - heardBands[b]) < tolerance,
                qPrintable(
                    QString("band %1: %2 dB in the file, %3 dB heard").arg(b).arg(fileBands[b]).arg(heardBands[b])));
        }
    }
};

QTEST_GUILESS_MAIN(TestInstrumentSamples)
#include "tst_instrumentsamples.moc"
