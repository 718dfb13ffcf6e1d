#include "RADarir/piano/NotesWidget.h"

#include "RADarir/piano/PianoKeys.h"
#include "RADarir/piano/PianoSample.h"
#include "ZEDireroz/frame/Common.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace RADarir {

namespace {

constexpr int kButtonSide = 37;
constexpr char kLetters[] = "CDEFGAB";
// The staff's lines 10 to 14 and 16 to 20 run across the widget; the others
// are ledger lines.
constexpr int kTrebleTop = 10;
constexpr int kBassBottom = 20;
constexpr int kMiddleLine = 15;
// Step of C in octave 0; each octave is seven steps higher up.
constexpr int kC0Step = 58;
constexpr int kC8Step = 2;

// A note's place in units of 1/324 of the widget's height (12 a line), a little
// below the top of its step band, so that the step rule names the note again.
struct NamePos
{
    char const* name;
    int units;
};
constexpr NamePos kNamePositions[] = {
    {"A0", 322}, {"B0", 315}, {"C1", 310}, {"D1", 304}, {"E1", 298}, {"F1", 292}, {"G1", 286}, {"A1", 281}, {"B1", 274},
    {"C2", 269}, {"D2", 261}, {"E2", 257}, {"F2", 250}, {"G2", 245}, {"A2", 238}, {"B2", 232}, {"C3", 225}, {"D3", 219},
    {"E3", 214}, {"F3", 209}, {"G3", 201}, {"A3", 196}, {"B3", 189}, {"C4", 184}, {"D4", 177}, {"E4", 173}, {"F4", 166},
    {"G4", 160}, {"A4", 154}, {"B4", 148}, {"C5", 141}, {"D5", 136}, {"E5", 130}, {"F5", 124}, {"G5", 118}, {"A5", 112},
    {"B5", 106}, {"C6", 100}, {"D6", 94},  {"E6", 88},  {"F6", 82},  {"G6", 76},  {"A6", 69},  {"B6", 63},  {"C7", 57},
    {"D7", 52},  {"E7", 46},  {"F7", 40},  {"G7", 34},  {"A7", 28},  {"B7", 22},  {"C8", 15},
};
constexpr float kUnitsPerHeight = 324.0f;

QPushButton* signButton(char const* objectName, char const* picture)
{
    auto* button = new QPushButton;
    button->setObjectName(QLatin1String(objectName));
    button->setFlat(true);
    button->setFixedSize(kButtonSide, kButtonSide);
    button->setCheckable(true);
    button->setIcon(QIcon(QLatin1String(picture)));
    button->setIconSize(QSize(kButtonSide - 9, kButtonSide - 9));
    return button;
}

} // namespace

NotesWidget::NotesWidget(QWidget* parent)
    : QFrame(parent)
{
    m_solfege = {tr("do"), tr("re"), tr("mi"), tr("fa"), tr("sol"), tr("la"), tr("si")};
    createWidgets();
    createLayout();
    createConnections();
    setMouseTracking(true);
}

void NotesWidget::createWidgets()
{
    m_pFlatButton = signButton("FlatSignButton", ":/FlatSign.png");
    m_pSharpButton = signButton("SharpSignButton", ":/SharpSign.png");
    m_pNaturalButton = signButton("NaturalSignButton", ":/NaturalSign.png");
    m_pNaturalButton->setChecked(true);
    m_pNoteLabel = new QLabel;
    m_pNoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    m_pNoteLabel->setTextFormat(Qt::RichText);
}

void NotesWidget::createLayout()
{
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(1, 1, 1, 1);
    buttons->setSpacing(2);
    buttons->addWidget(m_pNaturalButton);
    buttons->addWidget(m_pSharpButton);
    buttons->addWidget(m_pFlatButton);
    auto* row = new QHBoxLayout;
    ZEDireroz::Common::zeroMargins(row);
    row->setSpacing(0);
    row->addLayout(buttons);
    row->addStretch();
    row->addWidget(m_pNoteLabel);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(5, 5, 5, 5);
    column->setSpacing(5);
    column->addLayout(row);
    column->addStretch();
}

void NotesWidget::createConnections()
{
    connect(m_pFlatButton, SIGNAL(clicked()), this, SLOT(slotSetFlat()));
    connect(m_pSharpButton, SIGNAL(clicked()), this, SLOT(slotSetSharp()));
    connect(m_pNaturalButton, SIGNAL(clicked()), this, SLOT(slotSetNatural()));
}

bool NotesWidget::isFlat() const
{
    return m_pFlatButton->isChecked();
}

bool NotesWidget::isSharp() const
{
    return m_pSharpButton->isChecked();
}

bool NotesWidget::isNatural() const
{
    return m_pNaturalButton->isChecked();
}

int NotesWidget::accidental() const
{
    return isFlat() ? -1 : (isSharp() ? 1 : 0);
}

QPoint NotesWidget::nameToPos(QString const& name) const
{
    return QPoint(10, m_namePos.value(name, 0));
}

void NotesWidget::checkOnly(QPushButton* button)
{
    for (QPushButton* b : {m_pFlatButton, m_pSharpButton, m_pNaturalButton})
        b->setChecked(b == button);
}

void NotesWidget::slotSetFlat()
{
    checkOnly(m_pFlatButton);
}

void NotesWidget::slotSetSharp()
{
    checkOnly(m_pSharpButton);
}

void NotesWidget::slotSetNatural()
{
    checkOnly(m_pNaturalButton);
}

void NotesWidget::slotShowNote(QString const& name, int accidental)
{
    int const letter = name.isEmpty() ? -1 : QString::fromLatin1(kLetters).indexOf(name.at(0));
    // Anything that is no letter from C to A reads as B, like the keyboard's names.
    QString const syllable = m_solfege.at(letter < 0 ? 6 : letter);
    setNoteLabel(name, syllable, accidental);
    checkOnly(accidental == 0 ? m_pNaturalButton : (accidental < 0 ? m_pFlatButton : m_pSharpButton));
    if (m_namePos.contains(name)) {
        m_hoverPos = QPoint(10, m_namePos.value(name));
        update();
    }
}

void NotesWidget::setNote(QString const& name, QString const& solfegeName)
{
    int const a = accidental();
    setNoteLabel(name, solfegeName, a);
    emit noteChanged(name, a);
}

void NotesWidget::setNoteLabel(QString const& name, QString const& solfegeName, int accidental)
{
    QString sign;
    if (accidental == 1)
        sign = QStringLiteral("#");
    else if (accidental == -1)
        sign = QStringLiteral("<b>") + QChar(0x266D) + QStringLiteral("</b>");
    m_pNoteLabel->setText(QStringLiteral("<CENTER><FONT SIZE=\"10\">") + sign + name
                          + QStringLiteral("</FONT><br><FONT SIZE=\"5\">(") + sign + solfegeName
                          + QStringLiteral(")</FONT></CENTER>"));
}

void NotesWidget::generateNamePosMap()
{
    float const unit = float(height()) / kUnitsPerHeight;
    for (NamePos const& p : kNamePositions)
        m_namePos[QLatin1String(p.name)] = int(float(p.units) * unit);
}

void NotesWidget::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    // The note under the press itself, not the one painted last: a pointer
    // that jumps and presses at once (a tap, a pen) has had no paint there.
    m_hoverPos = event->pos();
    nameNote(noteAt(m_hoverPos.y(), height()));
    update();
    // The key of the note shown with its accidental: a sharp sounds the black
    // key above, a flat the one below.
    QString const note = PianoKeys::sampleNote(PianoKeys::keyNumber(m_currentName, accidental()));
    playSample(pianoSamplePath(note.isEmpty() ? m_currentName : note));
}

QMMultiMedia::NativeAudioPlayer* NotesWidget::playSample(QString const& path)
{
    return playPianoSample(path);
}

void NotesWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
}

void NotesWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_hoverPos = event->pos();
    QFrame::mouseMoveEvent(event);
    update();
}

void NotesWidget::enterEvent(QEvent* event)
{
    QFrame::enterEvent(event);
}

void NotesWidget::leaveEvent(QEvent* event)
{
    QFrame::leaveEvent(event);
}

void NotesWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    drawLines(&painter);
    float const lh = linesHeight();
    painter.drawPixmap(QRect(0, int(8 * lh), int(8 * lh), int(8 * lh)), QPixmap(QStringLiteral(":/violinkey.png")));
    painter.drawPixmap(QRect(0, int(16 * lh), int(4 * lh), int(4 * lh)), QPixmap(QStringLiteral(":/basskey.png")));
    drawNote(&painter);
    painter.end();
    QFrame::paintEvent(event);
}

void NotesWidget::drawLines(QPainter* painter)
{
    float const lh = linesHeight();
    float const centre = width() / 2.0f;
    for (int i = 0; i < kLines; ++i) {
        float const y = i * lh;
        bool const staff = (i >= kTrebleTop && i <= kBassBottom && i != kMiddleLine);
        if (staff)
            painter->drawLine(QLineF(0, y, width(), y));
        else
            painter->drawLine(QLineF(centre + shortLineWidth(), y, centre - shortLineWidth(), y));
    }
}

void NotesWidget::drawNote(QPainter* painter)
{
    if (m_hoverPos.isNull())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    float const lh = linesHeight();
    float const nw = lh / 1.2f;
    float const half = lh * 0.5f;
    int const step = stepAt(m_hoverPos.y(), height());
    float const xf = (width() / 2) - nw;
    float const yf = step * half - half;
    painter->drawPixmap(QRect(int(xf), int(yf), int(2.2f * nw), int(lh)), m_notePixmap);
    if (isFlat() || isSharp()) {
        QFont font = this->font();
        font.setPixelSize(qMax(1, int(1.5f * lh)));
        painter->setFont(font);
        painter->drawText(QPoint(int(xf - 1.5f * nw), int(yf + lh)),
                          isFlat() ? QString(QChar(0x266D)) : QStringLiteral("#"));
    }

    nameNote(noteAt(m_hoverPos.y(), height()));
}

int NotesWidget::stepAt(int y, int height)
{
    float const half = float(height) / kLines * 0.5f;
    return int(float(y) / half);
}

NotesWidget::StaffNote NotesWidget::noteAt(int y, int height)
{
    int const step = stepAt(y, height);
    StaffNote note;
    if (step == kC8Step) {
        note.octave = 8;
        note.letter = 0;
        return note;
    }
    for (int octave = 0; octave <= 7; ++octave) {
        int const base = kC0Step - 7 * octave;
        if (step >= base - 6 && step <= base) {
            note.letter = base - step;
            note.octave = octave;
            break;
        }
    }
    return note;
}

QString NotesWidget::StaffNote::name() const
{
    return isNote() ? QLatin1Char(kLetters[letter]) + QString::number(octave) : QString();
}

void NotesWidget::nameNote(StaffNote const& note)
{
    QString const name = note.name();
    if (name.isEmpty() || name == m_currentName)
        return;
    m_currentName = name;
    setNote(name, m_solfege.at(note.letter) + QString::number(note.octave));
}

void NotesWidget::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    generateNamePosMap();
    m_notePixmap = QPixmap(QStringLiteral(":/note.png"));
}

DecoratedNotesWidget::DecoratedNotesWidget(QWidget* parent)
    : QFrame(parent)
    , m_pNotesWidget(new NotesWidget(nullptr))
{
    setMinimumSize(400, 300);
    setObjectName(QStringLiteral("DecoratedNotesWidget"));
    connect(m_pNotesWidget, SIGNAL(noteChanged(QString const&, int)), this, SIGNAL(noteChanged(QString const&, int)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 15, 15, 15);
    layout->setSpacing(15);
    layout->addWidget(m_pNotesWidget);
}

void DecoratedNotesWidget::slotShowNote(QString const& name, int accidental)
{
    m_pNotesWidget->slotShowNote(name, accidental);
}

} // namespace RADarir
