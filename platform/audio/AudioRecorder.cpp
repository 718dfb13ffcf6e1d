#include "platform/audio/AudioRecorder.h"

#include "platform/audio/RecordingSink_p.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QIODevice>
#include <QLoggingCategory>

#include <cmath>

namespace TickwrenAudio {

namespace {

Q_LOGGING_CATEGORY(lcRecorder, "tickwren.audio.recorder", QtInfoMsg)

constexpr int kMaxSampleRate = 384000;
constexpr int kMaxChannels = 8;
constexpr int kBytesPerSample = 2;

// The default input, or a null device. Without a sound server Qt still lists
// an input of its default audio system with no name; that is no device.
QAudioDeviceInfo defaultInput()
{
    QAudioDeviceInfo device = QAudioDeviceInfo::defaultInputDevice();
    if (device.isNull() || device.deviceName().isEmpty())
        return QAudioDeviceInfo();
    return device;
}

} // namespace

// What the input writes goes straight on to the recorder.
class CaptureDevice : public QIODevice
{
public:
    explicit CaptureDevice(AudioRecorder* recorder)
        : m_pRecorder(recorder)
    {
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(char const* data, qint64 bytes) override
    {
        m_pRecorder->consume(data, bytes);
        return bytes;
    }

private:
    AudioRecorder* m_pRecorder;
};

AudioRecorder::AudioRecorder(QObject* parent)
    : QObject(parent)
{
}

AudioRecorder::~AudioRecorder()
{
    stop();
}

QString AudioRecorder::defaultInputName()
{
    return defaultInput().deviceName();
}

qint64 AudioRecorder::recordedMs() const
{
    if (m_nRate <= 0)
        return 0;
    return std::llround(double(m_nFrames) * 1000.0 / double(m_nRate));
}

bool AudioRecorder::fail(QString const& message)
{
    m_sError = message;
    qCWarning(lcRecorder).noquote() << "Recording not started:" << message;
    return false;
}

bool AudioRecorder::record(QString const& fileName, QVariantMap const& settings)
{
    stop();
    m_sError.clear();
    m_nFrames = 0;
    m_nRate = 0;
    m_remainder.clear();
    m_bPaused = false;

    RecordingSink::Format format;
    format.sampleRate = int(std::lround(settings.value(QLatin1String(RecorderSettings::kSampleRate)).toDouble()));
    format.channels = settings.value(QLatin1String(RecorderSettings::kChannelCount)).toInt();
    format.formatId = settings.value(QLatin1String(RecorderSettings::kFormatId)).toInt();
    format.bitRate = settings.value(QLatin1String(RecorderSettings::kBitRate)).toInt();
    format.quality = settings.value(QLatin1String(RecorderSettings::kQuality), RecorderSettings::QualityHigh).toInt();
    if (format.sampleRate <= 0 || format.sampleRate > kMaxSampleRate || format.channels <= 0
        || format.channels > kMaxChannels)
        return fail(tr("The recording settings are not valid: %1 Hz, %2 channels.")
                        .arg(format.sampleRate)
                        .arg(format.channels));
    if (format.formatId == RecorderSettings::kMpeg4Aac && format.bitRate <= 0)
        return fail(tr("AAC needs a bit rate above 0, not %1.").arg(format.bitRate));
    if (fileName.isEmpty())
        return fail(tr("No file name was given for the recording."));
    QString const container = RecordingSink::checkContainer(fileName, format.formatId);
    if (!container.isEmpty())
        return fail(container);

    QAudioDeviceInfo const device = defaultInput();
    if (device.isNull())
        return fail(tr("No sound input was found: the sound server is not running or has no input."));
    QAudioFormat audioFormat;
    audioFormat.setSampleRate(format.sampleRate);
    audioFormat.setChannelCount(format.channels);
    audioFormat.setSampleSize(16);
    audioFormat.setSampleType(QAudioFormat::SignedInt);
    audioFormat.setByteOrder(QAudioFormat::LittleEndian);
    audioFormat.setCodec(QStringLiteral("audio/pcm"));
    if (!device.isFormatSupported(audioFormat))
        return fail(tr("The sound input %1 does not take %2 Hz with %3 channels.")
                        .arg(device.deviceName())
                        .arg(format.sampleRate)
                        .arg(format.channels));

    // The input first: a file that exists is replaced only once there is
    // something to record into it. Nothing arrives before the event loop runs.
    m_pCapture = std::make_unique<CaptureDevice>(this);
    m_pCapture->open(QIODevice::WriteOnly);
    m_pInput = std::make_unique<QAudioInput>(device, audioFormat);
    connect(m_pInput.get(), &QAudioInput::stateChanged, this, &AudioRecorder::slotInputStateChanged);
    m_pInput->start(m_pCapture.get());
    if (m_pInput->error() != QAudio::NoError || m_pInput->state() == QAudio::StoppedState) {
        m_pInput.reset();
        m_pCapture.reset();
        return fail(tr("The sound input %1 could not be opened.").arg(device.deviceName()));
    }
    QString error;
    m_pSink = RecordingSink::create(fileName, format, &error);
    if (!m_pSink) {
        haltInput();
        m_pInput.reset();
        m_pCapture.reset();
        return fail(error);
    }
    m_nRate = format.sampleRate;
    m_nChannels = format.channels;
    qCDebug(lcRecorder) << "Recording" << device.deviceName() << "into" << fileName;
    return true;
}

void AudioRecorder::pause()
{
    if (!m_pInput || m_bPaused)
        return;
    m_bPaused = true;
    m_pInput->suspend();
}

void AudioRecorder::resume()
{
    if (!m_pInput || !m_bPaused)
        return;
    m_bPaused = false;
    m_pInput->resume();
}

bool AudioRecorder::stop()
{
    if (!m_pSink)
        return true;
    haltInput();
    m_pInput.reset();
    m_pCapture.reset();
    m_bPaused = false;
    bool const ok = m_pSink->finish();
    if (!ok)
        m_sError = tr("The recording could not be completed: %1").arg(m_pSink->error());
    m_pSink.reset();
    return ok;
}

void AudioRecorder::haltInput()
{
    if (!m_pInput)
        return;
    // Our own stop is no failure of the input.
    m_bStopping = true;
    m_pInput->stop();
    m_bStopping = false;
}

void AudioRecorder::consume(char const* data, qint64 bytes)
{
    if (!m_pSink)
        return;
    int const frameBytes = m_nChannels * kBytesPerSample;
    // Keep any part of a frame for the next delivery.
    m_remainder.append(data, int(bytes));
    qint64 const frames = m_remainder.size() / frameBytes;
    if (frames == 0)
        return;
    if (!m_pSink->write(reinterpret_cast<std::int16_t const*>(m_remainder.constData()), frames)) {
        breakOff(tr("The recording could not be written: %1").arg(m_pSink->error()));
        return;
    }
    m_nFrames += frames;
    m_remainder.remove(0, int(frames * frameBytes));
}

void AudioRecorder::slotInputStateChanged()
{
    if (m_bStopping || !m_pInput || m_pInput->error() == QAudio::NoError)
        return;
    if (m_pInput->state() == QAudio::StoppedState)
        breakOff(tr("The sound input stopped during the recording."));
}

void AudioRecorder::breakOff(QString const& message)
{
    // Called from the input's own signal: it goes once control is back in the loop.
    haltInput();
    if (m_pInput)
        m_pInput.release()->deleteLater();
    if (m_pCapture)
        m_pCapture.release()->deleteLater();
    m_bPaused = false;
    QString text = message;
    if (m_pSink && !m_pSink->finish())
        text += QLatin1Char(' ') + tr("The recording could not be completed: %1").arg(m_pSink->error());
    m_pSink.reset();
    m_sError = text;
    qCWarning(lcRecorder).noquote() << text;
    emit interrupted(text);
}

} // namespace TickwrenAudio
