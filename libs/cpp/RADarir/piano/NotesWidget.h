#pragma once
// A grand staff from A0 to C8 to pick a note on. The note under the pointer is
// drawn on the staff, named by letter and octave ("C4") and by its solfege
// syllable (do4) in the label above, and reported by noteChanged; three buttons
// choose natural, sharp or flat. A click plays the piano key of the note shown,
// with its accidental. slotShowNote puts a note on the staff from outside.
//
// Positions on the staff count half-line steps from the top: step s lies at
// y = s x linesHeight() / 2, C4 at step c4() = 30, C8 at step 2, A0 at step 53.
// A note hovered over is named when the staff is painted there, so a note
// moved to only names itself once the widget is shown; a press names and
// sounds the note under the press at once, painted or not.

#include <QFrame>
#include <QMap>
#include <QPixmap>
#include <QPoint>
#include <QVector>

class QLabel;
class QPainter;
class QPushButton;

namespace QMMultiMedia {
class NativeAudioPlayer;
}

namespace RADarir {

class NotesWidget : public QFrame
{
    Q_OBJECT
public:
    explicit NotesWidget(QWidget* parent = nullptr);

    static int pianoLines() { return kLines; }
    static int c4() { return kC4Step; }
    float linesHeight() const { return float(height()) / kLines; }
    float noteWidth() const { return linesHeight() / 1.2f; }
    float shortLineWidth() const { return linesHeight() * 1.2f; }

    bool isFlat() const;
    bool isSharp() const;
    bool isNatural() const;

    // (10, y) with y the note's place at the current height; (10, 0) for a
    // name that is not a natural note from A0 to C8.
    QPoint nameToPos(QString const& name) const;

    // The name of the note last named, "C4"; empty before the first.
    QString currentName() const { return m_currentName; }

    // The natural note that a staff `height` pixels high names at y: letter 0
    // (C) to 6 (B) and octave. The two top steps, and places more than five
    // steps below A0, name nothing (letter -1).
    // Painting and pressing both ask this, so the note drawn, named and
    // sounded at a place is always the same one.
    struct StaffNote
    {
        int letter = -1;
        int octave = 0;
        bool isNote() const { return letter >= 0; }
        QString name() const;
    };
    static StaffNote noteAt(int y, int height);
    // The half-line step at y, counted from the top.
    static int stepAt(int y, int height);

signals:
    // name is a natural note such as "E4"; accidental -1 flat, 0 natural, 1 sharp.
    void noteChanged(QString const& name, int accidental);

public slots:
    void slotShowNote(QString const& name, int accidental);
    void slotSetFlat();
    void slotSetSharp();
    void slotSetNatural();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Plays one sample file; the default starts a self-deleting player.
    virtual QMMultiMedia::NativeAudioPlayer* playSample(QString const& path);

private:
    static constexpr int kLines = 27;
    static constexpr int kC4Step = 30;

    void createWidgets();
    void createLayout();
    void createConnections();
    void generateNamePosMap();
    void drawLines(QPainter* painter);
    void drawNote(QPainter* painter);
    // Names `note` in the label and the signal when it differs from the last.
    void nameNote(StaffNote const& note);
    void setNote(QString const& name, QString const& solfegeName);
    void setNoteLabel(QString const& name, QString const& solfegeName, int accidental);
    int accidental() const;
    void checkOnly(QPushButton* button);

    // The last pointer position; (0, 0) while no note is shown.
    QPoint m_hoverPos;
    // The syllables of C, D, E, F, G, A and B.
    QVector<QString> m_solfege;
    QString m_currentName;
    QLabel* m_pNoteLabel = nullptr;
    QPushButton* m_pFlatButton = nullptr;
    QPushButton* m_pSharpButton = nullptr;
    QPushButton* m_pNaturalButton = nullptr;
    QPixmap m_notePixmap;
    // For each natural note "A0" to "C8", its y at the current height.
    QMap<QString, int> m_namePos;
};

// The picker in a margin, with its signal and slot passed through.
class DecoratedNotesWidget : public QFrame
{
    Q_OBJECT
public:
    explicit DecoratedNotesWidget(QWidget* parent = nullptr);

    NotesWidget* notesWidget() const { return m_pNotesWidget; }

signals:
    void noteChanged(QString const& name, int accidental);

public slots:
    void slotShowNote(QString const& name, int accidental);

private:
    NotesWidget* m_pNotesWidget;
};

} // namespace RADarir
