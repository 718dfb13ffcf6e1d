#pragma once
// Records sound from the desktop's default audio input into a file:
//
//     auto* recorder = new QMMultiMedia::NativeAudioRecorder(this);
//     QMMultiMedia::MAudioFormat format;
//     format.codec = "MPEG4ACC";
//     recorder->setFormat(format);
//     connect(recorder, &NativeAudioRecorder::failed, this, &Window::showError);
//     recorder->slotStart(QDir::home().filePath("take.m4a"));
//     ...
//     recorder->slotStop(); // finished() follows, the file is complete
//
// The file name chooses the container (".wav", ".aif"/".aiff", ".caf" for
// "WAV" and "AIFF", which record linear PCM; ".m4a", ".mp4", ".aac" for
// "MPEG4ACC" and "CAF", which record AAC).
// A start that cannot record returns false, stays stopped and emits
// failed(message); see NativeAudioRecorderInternal.

#include "QMMultiMedia/MAudioFormat.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace QMMultiMedia {

class NativeAudioRecorderInternal;

class NativeAudioRecorder : public QObject
{
    Q_OBJECT
public:
    explicit NativeAudioRecorder(QObject* parent = nullptr);
    ~NativeAudioRecorder() override;

    QString outputFileName() const { return m_sFileName; }
    // Only stores the name; the next slotStart() records into it.
    void setOutputFileName(QString const& fileName) { m_sFileName = fileName; }

    bool isStopped() const;
    // Milliseconds recorded so far, despite the name.
    qint64 processedUSecs() const;
    QStringList availableInputDevices();
    QString defaultInputDevice();
    // Recording always uses the default input.
    void setInputDevice(QString const& name);
    // Kept for format() at once; the recording uses it from the next start.
    void setFormat(MAudioFormat const& format);
    MAudioFormat format() const { return m_format; }
    QString errorString() const;

signals:
    void finished();
    void failed(QString const& message);

public slots:
    bool slotStart();
    bool slotStart(QString const& fileName);
    void slotStop();
    void slotSuspend();
    void slotResume();

private:
    NativeAudioRecorderInternal* m_pInternal;
    QString m_sFileName;
    MAudioFormat m_format;
};

} // namespace QMMultiMedia
