#pragma once
// The frame that shows the current chord three ways at once: the diagram
// above the tablature, the photo beside them, and a narrow column on the left
// with the play button and a picture of the instrument. It hands the
// instrument and every chord on to the three views and turns a click on the
// play button into play().

#include <QFrame>
#include <QString>
#include <QVector>

namespace RADarir {

class ChordPhotoView;
class ChordStandardView;
class ChordTabView;

class ChordView : public QFrame
{
    Q_OBJECT
public:
    explicit ChordView(QWidget* parent = nullptr);
    ~ChordView() override;

    // Hands the instrument to the views (shown at their next repaint) and
    // names the instrument label "InstrumentLabel_" + id for the style sheet.
    void setInstrumentName(QString const& id);
    QString instrumentName() const { return m_strInstrumentName; }
    void setChordTabAndName(int chordIndex, QVector<int> const& tab, QString const& name);

    // Appends a line to a text file of the user's support folder unless the
    // file already holds that line as a whole line; the file is UTF-8. The
    // name must be a plain file name: one with a path separator or a parent
    // reference is refused (false), as is a line holding a line end. False
    // also when the file cannot be written; true when the line is there.
    static bool optimizationProtocol(QString const& fileName, QString const& line);

    ChordStandardView* standardView() const { return m_pStandardView; }
    ChordTabView* tabView() const { return m_pTabView; }
    ChordPhotoView* photoView() const { return m_pPhotoView; }
    QFrame* instrumentLabel() const { return m_pInstrumentLabel; }

signals:
    void play();

private:
    void createWidgets();
    void createLayout(QWidget* playButton);

    ChordStandardView* m_pStandardView = nullptr;
    ChordTabView* m_pTabView = nullptr;
    ChordPhotoView* m_pPhotoView = nullptr;
    QFrame* m_pInstrumentLabel = nullptr;
    QString m_strInstrumentName;
};

} // namespace RADarir
