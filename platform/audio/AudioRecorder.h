#pragma once
// The platform's audio recorder: records the desktop's default audio input (the
// sound server's default source, PulseAudio or PipeWire, through QtMultimedia's
// audio input) into a file. The file's name chooses the container:
//
//   linear PCM: ".wav", ".aif"/".aiff"/".aifc", ".caf" (16-bit, libsndfile)
//   AAC:        ".m4a", ".mp4", ".aac" (ADTS), ".caf" (FFmpeg's encoder and muxers)
//
// Settings come as a map with the keys below, the values a caller would hand a
// platform recorder. Everything runs on the thread that owns the object; the
// input delivers through that thread's event loop.

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <memory>

class QAudioInput;

namespace TickwrenAudio {

namespace RecorderSettings {
// Samples per second (double).
inline constexpr char kSampleRate[] = "AVSampleRateKey";
// Number of channels (int).
inline constexpr char kChannelCount[] = "AVNumberOfChannelsKey";
// The encoding (int): kLinearPcm or kMpeg4Aac.
inline constexpr char kFormatId[] = "AVFormatIDKey";
// Bits per second (int), for AAC only.
inline constexpr char kBitRate[] = "AVEncoderBitRateKey";
// Encoder quality (int), one of Quality.
inline constexpr char kQuality[] = "AVEncoderAudioQualityKey";

// The encodings' four-character codes.
constexpr int kLinearPcm = ('l' << 24) | ('p' << 16) | ('c' << 8) | 'm';
constexpr int kMpeg4Aac = ('a' << 24) | ('a' << 16) | ('c' << 8) | ' ';

enum Quality { QualityMin = 0, QualityLow = 32, QualityMedium = 64, QualityHigh = 96, QualityMax = 127 };
} // namespace RecorderSettings

class RecordingSink;
class CaptureDevice;

class AudioRecorder : public QObject
{
    Q_OBJECT
public:
    explicit AudioRecorder(QObject* parent = nullptr);
    // A running recording is finished, so its file is complete.
    ~AudioRecorder() override;

    // The name of the default audio input, empty when there is none.
    static QString defaultInputName();

    // Starts recording into fileName (a running recording is finished first).
    // False, with errorString() set and nothing recording, when there is no
    // input, the settings are refused, the name asks for no container that
    // holds the encoding, or the file cannot be written. An existing file is
    // replaced only once the input has started.
    bool record(QString const& fileName, QVariantMap const& settings);
    // Pausing keeps the file open; what comes after resume() follows on in it.
    void pause();
    void resume();
    // Ends the recording and completes the file; false when it could not be
    // completed (errorString() says why). Nothing to stop is no failure.
    bool stop();

    // Started and not stopped; paused included.
    bool isRecording() const { return m_pSink != nullptr; }
    bool isPaused() const { return m_bPaused; }
    // The time written to the file so far, in milliseconds; after a stop,
    // the length of the finished recording.
    qint64 recordedMs() const;
    QString errorString() const { return m_sError; }

signals:
    // The input broke off: the file holds what came until then and is complete.
    void interrupted(QString const& message);

private:
    friend class CaptureDevice;
    void consume(char const* data, qint64 bytes);
    void slotInputStateChanged();
    void breakOff(QString const& message);
    void haltInput();
    bool fail(QString const& message);

    std::unique_ptr<QAudioInput> m_pInput;
    std::unique_ptr<CaptureDevice> m_pCapture;
    std::unique_ptr<RecordingSink> m_pSink;
    QByteArray m_remainder;
    qint64 m_nFrames = 0;
    int m_nRate = 0;
    int m_nChannels = 0;
    bool m_bPaused = false;
    bool m_bStopping = false;
    QString m_sError;
};

} // namespace TickwrenAudio
