#include "RADarir/piano/PianoNotesFinder.h"

#include "RADarir/music/MusicShops.h"
#include "RADarir/piano/NotesWidget.h"
#include "RADarir/piano/PianoBoard.h"
#include "RADarir/piano/PianoNotesFinderMainPage.h"
#include "ZEDireroz/dialogs/Label.h"
#include "ZEDireroz/frame/Common.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace RADarir {

namespace {

// The share of a side picture's pixels the label is at least wide.
constexpr int kSideShown = 30;

ZEDireroz::Label* sidePicture(char const* objectName, char const* picture)
{
    auto* label = new ZEDireroz::Label;
    label->setObjectName(QLatin1String(objectName));
    label->setMode(ZEDireroz::Label::Fill);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QPixmap const pixmap{QString::fromLatin1(picture)};
    label->setRetinaPixmap(pixmap);
    // The staff takes what it needs first; the sides keep enough of their
    // picture to be seen (drawn at half its pixels, cut to the label).
    label->setMinimumWidth(pixmap.width() * kSideShown / 100);
    return label;
}

} // namespace

PianoNotesFinder::PianoNotesFinder(QWidget* parent)
    : QFrame(parent)
    , m_pDecoratedNotesWidget(new DecoratedNotesWidget(nullptr))
    , m_pPianoBoard(new PianoBoard(nullptr))
{
    connect(m_pDecoratedNotesWidget, SIGNAL(noteChanged(QString const&, int)), m_pPianoBoard,
            SLOT(slotSetNote(QString const&, int)));
    connect(m_pPianoBoard, SIGNAL(noteChanged(QString const&, int)), m_pDecoratedNotesWidget,
            SLOT(slotShowNote(QString const&, int)));
    createLayout();
}

void PianoNotesFinder::createLayout()
{
    auto* row = new QHBoxLayout;
    row->addWidget(sidePicture("PianoLeftLabel", ":/pianoleft.png"), 0);
    row->addWidget(m_pDecoratedNotesWidget, 0);
    row->addWidget(sidePicture("PianoRightLabel", ":/pianoright.png"), 0);
    auto* column = new QVBoxLayout(this);
    ZEDireroz::Common::zeroMargins(column);
    column->setSpacing(0);
    column->addLayout(row);
    column->addWidget(m_pPianoBoard);
}

PianoNotesFinderMainPage::PianoNotesFinderMainPage(QWidget* parent)
    : BaseMainPage(parent)
{
    setObjectName(QStringLiteral("PianoNotesFinderMainPage"));
    setMinimumSize(200, 200);
    m_pFinder = new PianoNotesFinder(nullptr);
    auto* layout = new QVBoxLayout(this);
    ZEDireroz::Common::zeroMargins(layout);
    layout->setSpacing(0);
    layout->addWidget(promoMenuBar(), 0);
    layout->addWidget(m_pFinder, 0);
    // The page shrinks no further than the staff and keyboard can go.
    setMinimumSize(minimumSize().expandedTo(layout->minimumSize()));
}

void PianoNotesFinderMainPage::addShopMenu()
{
    m_pShop = new PianoShop(this);
    doShopConnections();
}

} // namespace RADarir
