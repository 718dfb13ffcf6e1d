#pragma once
// The row of beat lamps above the metronome: one lamp per beat of the bar,
// the current beat's lamp lit. A lamp is a label whose picture the style
// sheet chooses: enabled is lit, disabled is dark.

#include <QFrame>
#include <QVector>

class QLabel;

namespace RADarir {

class MetronomeBeats : public QFrame
{
    Q_OBJECT
public:
    static int const kMaxBeats = 12;

    explicit MetronomeBeats(QWidget* parent = nullptr);

    // Lights lamp `index` and darkens the others; an index outside the row
    // changes nothing.
    void setCurrentBeat(int index);
    // The number of lamps shown, as last accepted by slotSetBeats().
    int count() const { return m_nCount; }
    // The width the row may take. Lamps are 50 pixels wide; where that many do
    // not fit, they are made smaller, so that no lamp is cut off.
    void setAvailableWidth(int width);

public slots:
    // Shows the first n lamps; n outside 0..12 changes nothing.
    void slotSetBeats(int n);

private:
    void fitLamps();

    QVector<QLabel*> m_vBeats;
    int m_nCount;
    int m_nAvailableWidth;
};

} // namespace RADarir
