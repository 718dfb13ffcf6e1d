#include "RADarir/music/ChordsButtonsPanel.h"

#include "RADarir/music/ChordNames.h"
#include "ZEDireroz/frame/Common.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

namespace RADarir {

namespace {

constexpr int kLetterCount = 7;
constexpr int kSpacing = 3;

int frameMargin()
{
    return ZEDireroz::Common::isPocketDevice() ? 1 : 3;
}

// A panel button whose text reads left to right in every language: in a
// right-to-left window "A #" would show its sign first. Text is laid out in
// the painter's direction, which is the application's unless set.
class NoteButton : public QPushButton
{
public:
    explicit NoteButton(QString const& text)
        : QPushButton(text)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        painter.setLayoutDirection(Qt::LeftToRight);
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_PushButton, option);
    }
};

} // namespace

ChordsButtonsPanel::ChordsButtonsPanel(QWidget* parent)
    : QFrame(parent)
    , m_rootNames(ChordNames::rootNames())
{
    setObjectName(QStringLiteral("ChordsButtonsPanel"));
    createButtons();
    createGroups();
    createLayout();
}

ChordsButtonsPanel::~ChordsButtonsPanel() = default;

void ChordsButtonsPanel::createButtons()
{
    for (int i = 0; i < kLetterCount; ++i) {
        m_naturalButtons << new NoteButton(m_rootNames.at(i));
        m_flatButtons << new NoteButton(m_rootNames.at(kLetterCount + i));
        m_sharpButtons << new NoteButton(m_rootNames.at(2 * kLetterCount + i));
    }
    // In the order of TypeButton; the blank button is the major chord.
    for (QString const& text : {QString(), QStringLiteral("m"), QStringLiteral("aug"), QStringLiteral("dim"),
                                QStringLiteral("6"), QStringLiteral("m6"), QStringLiteral("7"), QStringLiteral("m7"),
                                QStringLiteral("maj7"), QStringLiteral("9"), QStringLiteral("sus4")})
        m_typeButtons << new QPushButton(text);
    for (QVector<QPushButton*> const* buttons : {&m_naturalButtons, &m_flatButtons, &m_sharpButtons, &m_typeButtons}) {
        for (QPushButton* button : *buttons)
            applyPanelButtonProperties(button);
    }
}

void ChordsButtonsPanel::createGroups()
{
    m_pRootGroup = new QButtonGroup(this);
    m_pRootGroup->setExclusive(true);
    for (QVector<QPushButton*> const* buttons : {&m_naturalButtons, &m_flatButtons, &m_sharpButtons}) {
        for (QPushButton* button : *buttons)
            m_pRootGroup->addButton(button);
    }
    m_naturalButtons.first()->setChecked(true);
    connect(m_pRootGroup, SIGNAL(buttonClicked(QAbstractButton*)), this, SLOT(slotButtonClicked()));

    m_pTypeGroup = new QButtonGroup(this);
    m_pTypeGroup->setExclusive(true);
    for (QPushButton* button : m_typeButtons)
        m_pTypeGroup->addButton(button);
    m_typeButtons.at(Blank)->setChecked(true);
    connect(m_pTypeGroup, SIGNAL(buttonClicked(QAbstractButton*)), this, SLOT(slotButtonClicked()));
}

QFrame* ChordsButtonsPanel::createTypeFrame()
{
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("ChordOptionsFrame"));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(frameMargin(), frameMargin(), frameMargin(), frameMargin());
    grid->setSpacing(kSpacing);
    // Row 0 from the blank (major) button on; row 1 leaves column 0 empty.
    TypeButton const top[] = {Blank, Minor, Minor6, Minor7, Major7, Aug};
    TypeButton const bottom[] = {Sixth, Seventh, Ninth, Dim, Sus4};
    for (int column = 0; column < 6; ++column)
        grid->addWidget(m_typeButtons.at(top[column]), 0, column);
    for (int column = 1; column < 6; ++column)
        grid->addWidget(m_typeButtons.at(bottom[column - 1]), 1, column);
    return frame;
}

QFrame* ChordsButtonsPanel::createRootFrame()
{
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("ChordButtonsFrame"));
    auto* grid = new QGridLayout(frame);
    grid->setSpacing(kSpacing);
    grid->setContentsMargins(frameMargin(), frameMargin(), frameMargin(), frameMargin());
    for (int column = 0; column < kLetterCount; ++column) {
        grid->addWidget(m_naturalButtons.at(column), 0, column);
        grid->addWidget(m_flatButtons.at(column), 1, column);
        grid->addWidget(m_sharpButtons.at(column), 2, column);
    }
    return frame;
}

void ChordsButtonsPanel::createLayout()
{
    auto* layout = new QVBoxLayout;
    if (ZEDireroz::Common::isPocketDevice()) {
        layout->setContentsMargins(1, 1, 1, 1);
        layout->setSpacing(kSpacing);
    }
    layout->addWidget(createRootFrame());
    layout->addWidget(createTypeFrame());
    setLayout(layout);
}

void ChordsButtonsPanel::applyPanelButtonProperties(QPushButton* button)
{
    button->setFlat(true);
    button->setObjectName(QStringLiteral("PanelButton"));
    button->setCheckable(true);
}

int ChordsButtonsPanel::stringToChord(QString const& name)
{
    return ChordNames::chordIndex(name);
}

QString ChordsButtonsPanel::currentChordPart1() const
{
    QAbstractButton* button = m_pRootGroup->checkedButton();
    return button ? button->text() : QString();
}

QString ChordsButtonsPanel::currentChordPart2() const
{
    QAbstractButton* button = m_pTypeGroup->checkedButton();
    return button ? button->text() : QString();
}

QString ChordsButtonsPanel::currentChord() const
{
    return currentChordPart1() + currentChordPart2();
}

void ChordsButtonsPanel::setChord(QString const& name)
{
    int const index = stringToChord(name);
    if (index == ChordNames::kNoChord)
        return;
    // Flat and sharp before the natural, so that E♭m selects E♭ and not E.
    bool rootFound = false;
    for (int i = 0; i < kLetterCount && !rootFound; ++i) {
        for (QPushButton* button : {m_flatButtons.at(i), m_sharpButtons.at(i), m_naturalButtons.at(i)}) {
            if (name.startsWith(button->text())) {
                button->setChecked(true);
                rootFound = true;
                break;
            }
        }
    }
    // Every suffix before the shorter ones that end it: "m7" and "maj7" before
    // "7", "dim" before "m", "m6" before "6".
    QPushButton* type = m_typeButtons.at(Blank);
    for (TypeButton candidate : {Minor7, Major7, Seventh, Dim, Minor, Aug, Sus4, Minor6, Sixth, Ninth}) {
        if (name.endsWith(m_typeButtons.at(candidate)->text())) {
            type = m_typeButtons.at(candidate);
            break;
        }
    }
    type->setChecked(true);
    emit chordChanged(index, name);
}

void ChordsButtonsPanel::slotButtonClicked()
{
    QString const name = currentChord();
    emit chordChanged(stringToChord(name), name);
}

void ChordsButtonsPanel::hideBlank()
{
    m_typeButtons.at(Blank)->hide();
}

void ChordsButtonsPanel::hideM()
{
    m_typeButtons.at(Minor)->hide();
}

void ChordsButtonsPanel::hideAug()
{
    m_typeButtons.at(Aug)->hide();
}

void ChordsButtonsPanel::hideDim()
{
    m_typeButtons.at(Dim)->hide();
}

void ChordsButtonsPanel::hide6()
{
    m_typeButtons.at(Sixth)->hide();
}

void ChordsButtonsPanel::hideM6()
{
    m_typeButtons.at(Minor6)->hide();
}

void ChordsButtonsPanel::hide7()
{
    m_typeButtons.at(Seventh)->hide();
}

void ChordsButtonsPanel::hideM7()
{
    m_typeButtons.at(Minor7)->hide();
}

void ChordsButtonsPanel::hideMaj7()
{
    m_typeButtons.at(Major7)->hide();
}

void ChordsButtonsPanel::hide9()
{
    m_typeButtons.at(Ninth)->hide();
}

void ChordsButtonsPanel::hideSus4()
{
    m_typeButtons.at(Sus4)->hide();
}

} // namespace RADarir
