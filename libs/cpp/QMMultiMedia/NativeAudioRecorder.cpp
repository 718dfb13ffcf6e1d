#include "QMMultiMedia/NativeAudioRecorder.h"

#include "QMMultiMedia/NativeAudioRecorderInternal.h"

namespace QMMultiMedia {

NativeAudioRecorder::NativeAudioRecorder(QObject* parent)
    : QObject(parent)
    , m_pInternal(new NativeAudioRecorderInternal(this))
{
    connect(m_pInternal, &NativeAudioRecorderInternal::finished, this, &NativeAudioRecorder::finished);
    connect(m_pInternal, &NativeAudioRecorderInternal::failed, this, &NativeAudioRecorder::failed);
}

NativeAudioRecorder::~NativeAudioRecorder() = default;

bool NativeAudioRecorder::isStopped() const
{
    return m_pInternal->isStopped();
}

qint64 NativeAudioRecorder::processedUSecs() const
{
    return m_pInternal->processedUSecs();
}

QStringList NativeAudioRecorder::availableInputDevices()
{
    return m_pInternal->availableInputDevices();
}

QString NativeAudioRecorder::defaultInputDevice()
{
    return m_pInternal->defaultInputDevice();
}

void NativeAudioRecorder::setInputDevice(QString const& name)
{
    m_pInternal->setInputDevice(name);
}

void NativeAudioRecorder::setFormat(MAudioFormat const& format)
{
    m_format = format;
    m_pInternal->setFormat(format);
}

QString NativeAudioRecorder::errorString() const
{
    return m_pInternal->errorString();
}

bool NativeAudioRecorder::slotStart()
{
    return m_pInternal->slotStart(m_sFileName);
}

bool NativeAudioRecorder::slotStart(QString const& fileName)
{
    m_sFileName = fileName;
    return slotStart();
}

void NativeAudioRecorder::slotStop()
{
    m_pInternal->slotStop();
}

void NativeAudioRecorder::slotSuspend()
{
    m_pInternal->slotSuspend();
}

void NativeAudioRecorder::slotResume()
{
    m_pInternal->slotResume();
}

} // namespace QMMultiMedia
