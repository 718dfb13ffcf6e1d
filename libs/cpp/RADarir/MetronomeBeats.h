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

public slots:
    // Shows the first n lamps; n outside 0..12 changes nothing.
    void slotSetBeats(int n);

private:
    QVector<QLabel*> m_vBeats;
    int m_nCount;
};

} // namespace RADarir
