#pragma once
// The common base of the three chord pictures: it keeps the chord shown
// (index, name, tab) and the instrument, paints a white ground, names the
// keyboard pictures by a 12-character code, places a picture fitted and
// centred at the screen's full resolution, and lets the user drag the
// rendered picture into another program as the PNG file "Chord.png".

#include <QPen>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>
#include <QWidget>

class QFont;
class QMimeData;
class QPainter;

namespace RADarir {

class ChordBaseView : public QWidget
{
    Q_OBJECT
public:
    explicit ChordBaseView(QWidget* parent = nullptr);
    ~ChordBaseView() override;

    // Stores the chord and repaints.
    void setChordTabAndName(int chordIndex, QVector<int> const& tab, QString const& name);
    // Stores the instrument identifier; it shows at the next repaint.
    void setInstrumentName(QString const& id);

    int chordIndex() const { return m_nChordIndex; }
    QString name() const { return m_strName; }
    QVector<int> tab() const { return m_vecTab; }
    QString instrumentName() const { return m_strInstrumentName; }

    // The keyboard code of the stored piano tab, from C to B: "0" where the
    // pitch class sounds in either octave, "X" where it does not.
    QString pianoTabToCode() const;
    static QString pianoTabToCode(QVector<int> const& tab);

    // Large enough for the diagram's fret numbers and the tablature's frets to
    // stay readable where the frame is held to its preferred height (a pocket screen).
    QSize sizeHint() const override;

    // Renders the view into the work folder's "Chord.png" and drags that file.
    void startDrag();

    // The resource path of a chord picture: ":/" + offset + "_resources/imgs/Chords/" + name.
    static QString chordPicturePath(QString const& pictureName);
    // Where a picture of the given size lands when it is fitted into a widget
    // of widgetSize on a screen of the given pixel ratio: the scaled picture's
    // size in device pixels and the rectangle it is drawn into.
    struct Placement
    {
        QSize scaled;
        QRect target;
    };
    static Placement placePicture(QSize const& pictureSize, QSize const& widgetSize, qreal ratio);
    // The drag data of a file: its one local-file URL.
    static QMimeData* dragData(QString const& path);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // Draws a chord picture fitted into the view and centred; a missing picture draws nothing.
    void drawChordPicture(QPainter* painter, QString const& pictureName) const;
    // The piano's picture: the keyboard picture prefix + code + ".png", and
    // the chord name on a translucent white box at the top.
    void drawKeyboard(QPainter* painter, QString const& prefix) const;
    // The chord name centred at the top in the name font (h/7 + 7 pixels),
    // leaving the painter with that font and the black ink pen.
    void drawName(QPainter* painter) const;
    void drawName(QPainter* painter, QFont const& font) const;
    // The black pen of the drawings, h/50 wide.
    QPen inkPen() const;
    bool isPiano() const;

    QPoint m_ptDragStart;
    int m_nChordIndex = 0;
    QString m_strName;
    QVector<int> m_vecTab;
    QString m_strInstrumentName;
};

} // namespace RADarir
