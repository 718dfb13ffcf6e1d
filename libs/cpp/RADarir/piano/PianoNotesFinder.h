#pragma once
// The staff note picker above the piano keyboard, linked both ways: a note
// chosen on the staff lights its key, a key clicked shows its note on the
// staff. The keyboard's slot emits nothing, so the exchange ends after the
// staff has named the shown note once. Two pictures flank the staff.

#include <QFrame>

namespace RADarir {

class DecoratedNotesWidget;
class PianoBoard;

class PianoNotesFinder : public QFrame
{
    Q_OBJECT
public:
    explicit PianoNotesFinder(QWidget* parent = nullptr);

    DecoratedNotesWidget* decoratedNotesWidget() const { return m_pDecoratedNotesWidget; }
    PianoBoard* pianoBoard() const { return m_pPianoBoard; }

private:
    void createLayout();

    DecoratedNotesWidget* m_pDecoratedNotesWidget;
    PianoBoard* m_pPianoBoard;
};

} // namespace RADarir
