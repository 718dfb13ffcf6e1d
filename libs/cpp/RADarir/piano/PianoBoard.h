#pragma once
// An 88-key piano keyboard drawn from pictures: the keyboard ":/Piano_0.png" and,
// over it, the same keyboard with the lit key pressed (":/Piano_<key>.png").
// A click on a key lights it, reports its note and plays its sample; slotSetNote
// lights the key of a note given from outside. The widget keeps the pictures'
// proportions: its height follows its width.

#include <QFrame>
#include <QPixmap>
#include <QString>

namespace QMMultiMedia {
class NativeAudioPlayer;
}

namespace RADarir {

class PianoBoard : public QFrame
{
    Q_OBJECT
public:
    explicit PianoBoard(QWidget* parent = nullptr);

    // The name of the key at a widget position: "C4" for a white key, "C4#" for
    // the black key above it; empty between keys and outside the key rows.
    QString positionToNote(int x, int y) const;

    // The lit key's number, "1" (A0) to "88" (C8); empty while none is lit.
    QString key() const { return m_key; }

signals:
    // After a click: the white key's name, with 1 for the black key above it.
    void noteChanged(QString const& name, int accidental);

public slots:
    // Lights the key of a natural note raised (1) or lowered (-1); emits
    // nothing. A name that is no note of the piano changes nothing.
    void slotSetNote(QString const& name, int accidental);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Plays one sample file; the default starts a self-deleting player.
    virtual QMMultiMedia::NativeAudioPlayer* playSample(QString const& path);

private:
    QString m_key;
    QPixmap m_basePixmap;
    float m_aspect = 1.0f;
};

} // namespace RADarir
