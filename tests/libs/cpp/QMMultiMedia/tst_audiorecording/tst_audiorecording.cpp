// Recording from a sound server of the test's own: its only sink discards what
// it gets, and the sink's monitor is the default input. A 1 kHz tone is played
// into the sink the whole time, so every recording must hold it. The files are
// decoded with FFmpeg, independently of the code that wrote them. Skipped where
// the server program (pulseaudio) is missing.
#include "QMMultiMedia/NativeAudioRecorder.h"
#include "TestSupport/PrivateSoundServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <pulse/simple.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

using QMMultiMedia::MAudioFormat;
using QMMultiMedia::NativeAudioRecorder;

namespace {

constexpr double kToneHz = 1000.0;
constexpr double kTwoPi = 6.283185307179586;

// Plays a steady tone into the server's default sink until destroyed.
class TonePlayer
{
public:
    ~TonePlayer()
    {
        m_bStop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_pStream)
            pa_simple_free(m_pStream);
    }

    bool start(QByteArray const& server)
    {
        pa_sample_spec spec{};
        spec.format = PA_SAMPLE_S16LE;
        spec.rate = 48000;
        spec.channels = 2;
        int error = 0;
        m_pStream = pa_simple_new(server.constData(), "tone", PA_STREAM_PLAYBACK, nullptr, "tone", &spec, nullptr,
                                  nullptr, &error);
        if (!m_pStream)
            return false;
        m_thread = std::thread([this] {
            constexpr int kBlock = 480;
            std::vector<std::int16_t> block(kBlock * 2);
            std::int64_t n = 0;
            while (!m_bStop) {
                for (int i = 0; i < kBlock; ++i, ++n) {
                    auto const v =
                        std::int16_t(std::lround(0.5 * 32767.0 * std::sin(kTwoPi * kToneHz * double(n) / 48000.0)));
                    block[std::size_t(2 * i)] = v;
                    block[std::size_t(2 * i + 1)] = v;
                }
                int error = 0;
                if (pa_simple_write(m_pStream, block.data(), block.size() * sizeof(std::int16_t), &error) < 0)
                    return;
            }
        });
        return true;
    }

private:
    pa_simple* m_pStream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_bStop{false};
};

struct Decoded
{
    QString error;
    int rate = 0;
    std::vector<float> samples; // the first channel
    double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0.0; }
};

void appendFirstChannel(AVFrame const* frame, std::vector<float>* out)
{
    auto const format = AVSampleFormat(frame->format);
    int const channels = frame->ch_layout.nb_channels;
    bool const planar = av_sample_fmt_is_planar(format);
    for (int i = 0; i < frame->nb_samples; ++i) {
        int const index = planar ? i : i * channels;
        switch (av_get_packed_sample_fmt(format)) {
        case AV_SAMPLE_FMT_S16:
            out->push_back(float(reinterpret_cast<std::int16_t const*>(frame->data[0])[index]) / 32768.0f);
            break;
        case AV_SAMPLE_FMT_S32:
            out->push_back(float(reinterpret_cast<std::int32_t const*>(frame->data[0])[index]) / 2147483648.0f);
            break;
        case AV_SAMPLE_FMT_FLT:
            out->push_back(reinterpret_cast<float const*>(frame->data[0])[index]);
            break;
        default:
            return;
        }
    }
}

Decoded decode(QString const& path)
{
    Decoded result;
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, QFile::encodeName(path).constData(), nullptr, nullptr) < 0) {
        result.error = QStringLiteral("cannot open");
        return result;
    }
    AVCodec const* codec = nullptr;
    int const stream = avformat_find_stream_info(input, nullptr) < 0
                           ? -1
                           : av_find_best_stream(input, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    AVCodecContext* context = stream >= 0 ? avcodec_alloc_context3(codec) : nullptr;
    if (!context || avcodec_parameters_to_context(context, input->streams[stream]->codecpar) < 0
        || avcodec_open2(context, codec, nullptr) < 0) {
        result.error = QStringLiteral("no audio stream to decode");
    } else {
        result.rate = context->sample_rate;
        AVPacket* packet = av_packet_alloc();
        AVFrame* frame = av_frame_alloc();
        auto drain = [&] {
            while (avcodec_receive_frame(context, frame) == 0)
                appendFirstChannel(frame, &result.samples);
        };
        while (av_read_frame(input, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(context, packet) == 0)
                drain();
            av_packet_unref(packet);
        }
        avcodec_send_packet(context, nullptr);
        drain();
        av_frame_free(&frame);
        av_packet_free(&packet);
    }
    avcodec_free_context(&context);
    avformat_close_input(&input);
    return result;
}

// The share of the signal's power at `hz` over 0.4 s from `startSeconds` (400
// whole periods of the tone): near 1 for a pure tone of that frequency, near 0
// for anything else. A short window keeps a pause's splice, where the tone's
// phase jumps, out of it.
double toneShare(Decoded const& sound, double hz, double startSeconds)
{
    std::size_t const first = std::size_t(startSeconds * sound.rate);
    std::size_t const count = std::size_t(0.4 * sound.rate);
    if (first + count > sound.samples.size())
        return 0.0;
    double re = 0.0;
    double im = 0.0;
    double energy = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        double const x = sound.samples[first + i];
        re += x * std::cos(kTwoPi * hz * double(i) / sound.rate);
        im -= x * std::sin(kTwoPi * hz * double(i) / sound.rate);
        energy += x * x;
    }
    if (energy <= 0.0)
        return 0.0;
    return (re * re + im * im) / (double(count) / 2.0 * energy);
}

double rms(Decoded const& sound)
{
    double energy = 0.0;
    for (float x : sound.samples)
        energy += double(x) * x;
    return sound.samples.empty() ? 0.0 : std::sqrt(energy / double(sound.samples.size()));
}

} // namespace

class TestAudioRecording : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PrivateSoundServer m_server;
    std::unique_ptr<TonePlayer> m_tone;

    QString path(QString const& name) const { return m_dir.filePath(name); }
    static MAudioFormat formatFor(QString const& codec)
    {
        MAudioFormat format;
        format.codec = codec;
        return format;
    }
    // Records until at least `ms` are in the file.
    static bool recordFor(NativeAudioRecorder& recorder, qint64 ms)
    {
        qint64 const until = recorder.processedUSecs() + ms;
        return QTest::qWaitFor([&] { return recorder.processedUSecs() >= until; }, 10000);
    }
    // The tone near the start and near the end of the recording.
    static void verifyTone(Decoded const& sound)
    {
        QVERIFY2(rms(sound) > 0.1, qPrintable(QString::number(rms(sound))));
        for (double const start : {0.1, sound.seconds() - 0.5}) {
            double const share = toneShare(sound, kToneHz, start);
            QVERIFY2(share > 0.8, qPrintable(QStringLiteral("%1 at %2 s").arg(share).arg(start)));
            QVERIFY(toneShare(sound, 1500.0, start) < 0.05);
        }
    }

private slots:
    void initTestCase();
    void defaultInputIsTheMonitor();
    void recordsTheToneIntoEachContainer_data();
    void recordsTheToneIntoEachContainer();
    void pauseAndResumeContinueOneFile();
    void startWhileRecordingFinishesTheFirstFile();
    void refusedStartsStayStopped_data();
    void refusedStartsStayStopped();
    // Last: it kills the server.
    void serverGoneEndsTheRecordingWithItsFile();
};

void TestAudioRecording::initTestCase()
{
    if (!PrivateSoundServer::available())
        QSKIP("no sound server program (pulseaudio) to start");
    QVERIFY(m_dir.isValid());
    QVERIFY(m_server.start());
    qputenv("PULSE_SERVER", m_server.address().toUtf8());
    m_tone = std::make_unique<TonePlayer>();
    QVERIFY(m_tone->start(m_server.address().toUtf8()));
}

void TestAudioRecording::defaultInputIsTheMonitor()
{
    NativeAudioRecorder recorder;
    QCOMPARE(recorder.defaultInputDevice(), QStringLiteral("discard.monitor"));
    QCOMPARE(recorder.availableInputDevices(), QStringList(QStringLiteral("discard.monitor")));
}

void TestAudioRecording::recordsTheToneIntoEachContainer_data()
{
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("name");
    // AAC works in frames of 1024 samples and begins with as many of priming;
    // MP4 files mark both for the decoder to drop, a bare ADTS stream cannot.
    QTest::addColumn<double>("framing");
    QTest::newRow("WAV") << "WAV"
                         << "take.wav" << 0.0;
    QTest::newRow("AIFF") << "AIFF"
                          << "take.aiff" << 0.0;
    QTest::newRow("AAC in M4A") << "MPEG4ACC"
                                << "take.m4a" << 0.0;
    QTest::newRow("AAC in ADTS") << "CAF"
                                 << "take.aac" << 2048.0 / 44100.0;
    QTest::newRow("linear PCM in CAF") << "WAV"
                                       << "pcm.caf" << 0.0;
    // The codec named after the container, in that container.
    QTest::newRow("AAC in CAF") << "CAF"
                                << "take.caf" << 0.0;
}

void TestAudioRecording::recordsTheToneIntoEachContainer()
{
    QFETCH(QString, codec);
    QFETCH(QString, name);
    QFETCH(double, framing);
    NativeAudioRecorder recorder;
    recorder.setFormat(formatFor(codec));
    QSignalSpy finished(&recorder, &NativeAudioRecorder::finished);
    QSignalSpy failed(&recorder, &NativeAudioRecorder::failed);
    QVERIFY2(recorder.slotStart(path(name)), qPrintable(recorder.errorString()));
    QVERIFY(!recorder.isStopped());
    QVERIFY(recordFor(recorder, 1500));
    recorder.slotStop();
    QVERIFY(recorder.isStopped());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(failed.count(), 0);
    // A second stop ends nothing.
    recorder.slotStop();
    QCOMPARE(finished.count(), 1);

    Decoded const sound = decode(path(name));
    QVERIFY2(sound.error.isEmpty(), qPrintable(sound.error));
    QCOMPARE(sound.rate, 44100);
    double const seconds = sound.seconds() - framing;
    QVERIFY2(qAbs(seconds - 1.5) <= 0.1, qPrintable(QString::number(sound.seconds())));
    QVERIFY2(qAbs(seconds * 1000.0 - double(recorder.processedUSecs())) <= 50.0,
             qPrintable(QString::number(recorder.processedUSecs())));
    verifyTone(sound);
}

void TestAudioRecording::pauseAndResumeContinueOneFile()
{
    NativeAudioRecorder recorder;
    QSignalSpy finished(&recorder, &NativeAudioRecorder::finished);
    QVERIFY2(recorder.slotStart(path(QStringLiteral("paused.wav"))), qPrintable(recorder.errorString()));
    QVERIFY(recordFor(recorder, 700));
    recorder.slotSuspend();
    qint64 const atPause = recorder.processedUSecs();
    // Real time has to pass for a pause to mean anything.
    QTest::qWait(800);
    QVERIFY(!recorder.isStopped());
    QCOMPARE(finished.count(), 0);
    // What the server had captured before the pause may still come in.
    QVERIFY2(recorder.processedUSecs() - atPause < 200, qPrintable(QString::number(recorder.processedUSecs())));
    recorder.slotResume();
    QVERIFY(recordFor(recorder, 700));
    QCOMPARE(finished.count(), 0);
    recorder.slotStop();
    QCOMPARE(finished.count(), 1);

    Decoded const sound = decode(path(QStringLiteral("paused.wav")));
    QVERIFY2(sound.error.isEmpty(), qPrintable(sound.error));
    // Both parts, and not the pause.
    QVERIFY2(sound.seconds() >= 1.35 && sound.seconds() <= 1.7, qPrintable(QString::number(sound.seconds())));
    QVERIFY2(qAbs(sound.seconds() * 1000.0 - double(recorder.processedUSecs())) <= 50.0,
             qPrintable(QString::number(recorder.processedUSecs())));
    verifyTone(sound);
}

void TestAudioRecording::startWhileRecordingFinishesTheFirstFile()
{
    MAudioFormat format = formatFor(QStringLiteral("MPEG4ACC"));
    NativeAudioRecorder recorder;
    recorder.setFormat(format);
    QSignalSpy finished(&recorder, &NativeAudioRecorder::finished);
    QVERIFY2(recorder.slotStart(path(QStringLiteral("first.m4a"))), qPrintable(recorder.errorString()));
    QVERIFY(recordFor(recorder, 1200));
    QVERIFY2(recorder.slotStart(path(QStringLiteral("second.m4a"))), qPrintable(recorder.errorString()));
    QCOMPARE(finished.count(), 1);
    // The first file is complete before the second records anything.
    Decoded const first = decode(path(QStringLiteral("first.m4a")));
    QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
    QVERIFY2(first.seconds() >= 1.1 && first.seconds() <= 1.4, qPrintable(QString::number(first.seconds())));
    verifyTone(first);

    QVERIFY(recordFor(recorder, 1200));
    recorder.slotStop();
    QCOMPARE(finished.count(), 2);
    Decoded const second = decode(path(QStringLiteral("second.m4a")));
    QVERIFY2(second.error.isEmpty(), qPrintable(second.error));
    verifyTone(second);
}

void TestAudioRecording::refusedStartsStayStopped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bitRate");
    QTest::newRow("folder missing") << "missing/take.wav"
                                    << "WAV" << 44100 << 2 << 128000;
    QTest::newRow("AAC into a WAV file") << "aac.wav"
                                         << "MPEG4ACC" << 44100 << 2 << 128000;
    QTest::newRow("linear PCM into M4A") << "pcm.m4a"
                                         << "AIFF" << 44100 << 2 << 128000;
    QTest::newRow("unknown container") << "take.xyz"
                                       << "WAV" << 44100 << 2 << 128000;
    QTest::newRow("no file name") << ""
                                  << "WAV" << 44100 << 2 << 128000;
    QTest::newRow("rate 0") << "zero.wav"
                            << "WAV" << 0 << 2 << 128000;
    QTest::newRow("no channels") << "mute.wav"
                                 << "WAV" << 44100 << 0 << 128000;
    QTest::newRow("AAC without bit rate") << "free.m4a"
                                          << "MPEG4ACC" << 44100 << 2 << 0;
    QTest::newRow("AAC at a rate it does not take") << "odd.m4a"
                                                    << "MPEG4ACC" << 5000 << 2 << 128000;
}

void TestAudioRecording::refusedStartsStayStopped()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    QFETCH(int, sampleRate);
    QFETCH(int, channels);
    QFETCH(int, bitRate);
    QString const target = name.isEmpty() ? QString() : path(name);
    // A file that is there already is left as it was.
    bool const existing = !name.contains(QLatin1Char('/')) && !name.isEmpty();
    if (existing) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
    }
    MAudioFormat format = formatFor(codec);
    format.sampleRate = sampleRate;
    format.channelCount = channels;
    format.bitRate = bitRate;
    NativeAudioRecorder recorder;
    recorder.setFormat(format);
    QSignalSpy failed(&recorder, &NativeAudioRecorder::failed);
    QSignalSpy finished(&recorder, &NativeAudioRecorder::finished);
    QVERIFY(!recorder.slotStart(target));
    QVERIFY(recorder.isStopped());
    QCOMPARE(failed.count(), 1);
    QVERIFY(!recorder.errorString().isEmpty());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(recorder.processedUSecs(), qint64(0));
    if (existing) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep"));
    }
}

void TestAudioRecording::serverGoneEndsTheRecordingWithItsFile()
{
    NativeAudioRecorder recorder;
    QSignalSpy finished(&recorder, &NativeAudioRecorder::finished);
    QSignalSpy failed(&recorder, &NativeAudioRecorder::failed);
    QVERIFY2(recorder.slotStart(path(QStringLiteral("cut.wav"))), qPrintable(recorder.errorString()));
    QVERIFY(recordFor(recorder, 600));
    m_server.kill();
    QVERIFY(failed.wait(10000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(recorder.isStopped());
    // Whatever came before is a complete file.
    Decoded const sound = decode(path(QStringLiteral("cut.wav")));
    QVERIFY2(sound.error.isEmpty(), qPrintable(sound.error));
    QVERIFY2(sound.seconds() >= 0.55, qPrintable(QString::number(sound.seconds())));
    recorder.slotStop();
    QCOMPARE(finished.count(), 1);
}

QTEST_GUILESS_MAIN(TestAudioRecording)
#include "tst_audiorecording.moc"
