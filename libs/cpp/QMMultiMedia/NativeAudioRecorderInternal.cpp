#include "QMMultiMedia/NativeAudioRecorderInternal.h"

#include "platform/audio/AudioRecorder.h"

namespace QMMultiMedia {

NativeAudioRecorderInternal::NativeAudioRecorderInternal(QObject* parent)
    : QObject(parent)
    , m_pRecorder(new TickwrenAudio::AudioRecorder(this))
{
    connect(m_pRecorder, &TickwrenAudio::AudioRecorder::interrupted, this,
            &NativeAudioRecorderInternal::slotInterrupted);
}

NativeAudioRecorderInternal::~NativeAudioRecorderInternal() = default;

qint64 NativeAudioRecorderInternal::processedUSecs() const
{
    return m_pRecorder->recordedMs();
}

QStringList NativeAudioRecorderInternal::availableInputDevices()
{
    QString const name = defaultInputDevice();
    return name.isEmpty() ? QStringList() : QStringList(name);
}

QString NativeAudioRecorderInternal::defaultInputDevice()
{
    return TickwrenAudio::AudioRecorder::defaultInputName();
}

void NativeAudioRecorderInternal::setInputDevice(QString const&)
{
}

void NativeAudioRecorderInternal::setFormat(MAudioFormat const& format)
{
    m_format = format;
}

bool NativeAudioRecorderInternal::slotStart(QString const& fileName)
{
    // A second start must not leave the first file unfinished.
    slotStop();
    m_sError.clear();
    if (!m_pRecorder->record(fileName, recorderSettings(m_format))) {
        // The platform recorder has logged why.
        m_sError = m_pRecorder->errorString();
        emit failed(m_sError);
        return false;
    }
    m_bStopped = false;
    return true;
}

void NativeAudioRecorderInternal::slotStop()
{
    if (m_bStopped)
        return;
    m_bStopped = true;
    if (!m_pRecorder->stop()) {
        m_sError = m_pRecorder->errorString();
        emit failed(m_sError);
    }
    emit finished();
}

void NativeAudioRecorderInternal::slotSuspend()
{
    if (!m_bStopped)
        m_pRecorder->pause();
}

void NativeAudioRecorderInternal::slotResume()
{
    if (!m_bStopped)
        m_pRecorder->resume();
}

void NativeAudioRecorderInternal::slotInterrupted(QString const& message)
{
    if (m_bStopped)
        return;
    m_bStopped = true;
    m_sError = message;
    emit failed(message);
    emit finished();
}

} // namespace QMMultiMedia
