#pragma once
// The recorder's platform side: owns the platform recorder, the stopped flag
// and the format of the next recording. NativeAudioRecorder is the public
// face; this class does the work.
//
// Failures are reported, never passed off as a recording: a start that the
// platform refuses (no input, an unwritable file, refused settings, a file
// name without a container for the codec) returns false, leaves the object
// stopped and emits failed(message); so does an input that breaks off during
// a recording, which also ends it with finished() (the file then holds what
// came until then).

#include "QMMultiMedia/MAudioFormat.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace TickwrenAudio {
class AudioRecorder;
}

namespace QMMultiMedia {

class NativeAudioRecorderInternal : public QObject
{
    Q_OBJECT
public:
    explicit NativeAudioRecorderInternal(QObject* parent = nullptr);
    ~NativeAudioRecorderInternal() override;

    bool isStopped() const { return m_bStopped; }
    // The time recorded so far, in milliseconds despite the name; pauses do
    // not count. After a stop, the length of the finished recording.
    qint64 processedUSecs() const;
    // The default input's name, or an empty list when there is no input.
    QStringList availableInputDevices();
    // Empty when there is no input.
    QString defaultInputDevice();
    // Recording always uses the default input; the name is not used.
    void setInputDevice(QString const& name);
    // Takes effect at the next start.
    void setFormat(MAudioFormat const& format);
    MAudioFormat format() const { return m_format; }
    // Why the last start failed or the last recording broke off; empty otherwise.
    QString errorString() const { return m_sError; }

signals:
    // A recording ended and its file is complete: once per recording.
    void finished();
    void failed(QString const& message);

public slots:
    // Starts recording into fileName; a running recording is finished first.
    // False when nothing records (see above).
    bool slotStart(QString const& fileName);
    // Ends the recording; nothing happens when none runs.
    void slotStop();
    void slotSuspend();
    void slotResume();

private:
    void slotInterrupted(QString const& message);

    TickwrenAudio::AudioRecorder* m_pRecorder;
    bool m_bStopped = true;
    MAudioFormat m_format;
    QString m_sError;
};

} // namespace QMMultiMedia
