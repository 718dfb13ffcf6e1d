#include "RADarir/chordviews/ChordView.h"

#include "MTools/WholeFile.h"
#include "RADarir/chordviews/ChordPhotoView.h"
#include "RADarir/chordviews/ChordStandardView.h"
#include "RADarir/chordviews/ChordTabView.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace RADarir {

namespace {

constexpr int kLabelWidth = 40;
constexpr int kLabelHeight = 105;
constexpr int kColumnWidthDesktop = 64;
constexpr int kColumnWidthPocket = 56;
constexpr int kColumnSpacingPocket = 2;
constexpr int kFrameSpacingPocket = 1;
// The largest optimization protocol that is read.
constexpr qint64 kMaxProtocolBytes = 16 * 1024 * 1024;

bool isPlainFileName(QString const& fileName)
{
    return !fileName.isEmpty() && !fileName.contains(QLatin1Char('/')) && !fileName.contains(QLatin1Char('\\'))
           && fileName != QLatin1String(".") && fileName != QLatin1String("..");
}

} // namespace

ChordView::ChordView(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("ChordView"));
    setMinimumSize(150, 150);
    createWidgets();
    auto* playButton = new QPushButton;
    playButton->setObjectName(QStringLiteral("PlayButton"));
    connect(playButton, &QPushButton::clicked, this, &ChordView::play);
    createLayout(playButton);
}

ChordView::~ChordView() = default;

void ChordView::createWidgets()
{
    m_pStandardView = new ChordStandardView;
    m_pTabView = new ChordTabView;
    m_pPhotoView = new ChordPhotoView;
    m_pInstrumentLabel = new QFrame;
}

void ChordView::createLayout(QWidget* playButton)
{
    bool const pocket = ZEDireroz::Common::isPocketDevice();
    auto* column = new QFrame;
    column->setObjectName(QStringLiteral("ViewOptionsFrame"));
    column->setMaximumWidth(pocket ? kColumnWidthPocket : kColumnWidthDesktop);
    auto* columnLayout = new QVBoxLayout(column);
    if (pocket) {
        columnLayout->setContentsMargins(kColumnSpacingPocket, kColumnSpacingPocket, kColumnSpacingPocket,
                                         kColumnSpacingPocket);
        columnLayout->setSpacing(kColumnSpacingPocket);
    }
    columnLayout->addWidget(playButton);
    columnLayout->addWidget(m_pInstrumentLabel);
    columnLayout->addStretch(1);

    auto* views = new QVBoxLayout;
    views->addWidget(m_pStandardView);
    views->addWidget(m_pTabView);

    auto* layout = new QHBoxLayout;
    if (pocket) {
        layout->setContentsMargins(kFrameSpacingPocket, kFrameSpacingPocket, kFrameSpacingPocket, kFrameSpacingPocket);
        layout->setSpacing(kFrameSpacingPocket);
    }
    layout->addWidget(column);
    layout->addLayout(views);
    layout->addWidget(m_pPhotoView);
    setLayout(layout);
}

void ChordView::setInstrumentName(QString const& id)
{
    m_strInstrumentName = id;
    m_pStandardView->setInstrumentName(id);
    m_pTabView->setInstrumentName(id);
    m_pPhotoView->setInstrumentName(id);
    m_pInstrumentLabel->setObjectName(QStringLiteral("InstrumentLabel_") + id);
    m_pInstrumentLabel->setFixedSize(kLabelWidth, kLabelHeight);
    // The style sheet picks the picture by object name: a renamed label needs its rules again.
    m_pInstrumentLabel->style()->unpolish(m_pInstrumentLabel);
    m_pInstrumentLabel->style()->polish(m_pInstrumentLabel);
}

void ChordView::setChordTabAndName(int chordIndex, QVector<int> const& tab, QString const& name)
{
    m_pStandardView->setChordTabAndName(chordIndex, tab, name);
    m_pTabView->setChordTabAndName(chordIndex, tab, name);
    m_pPhotoView->setChordTabAndName(chordIndex, tab, name);
}

bool ChordView::optimizationProtocol(QString const& fileName, QString const& line)
{
    ZEDireroz::App* app = ZEDireroz::App::theApp();
    // A line end inside the line would make it two lines, never found again as one.
    if (!app || !isPlainFileName(fileName) || line.contains(QLatin1Char('\n')))
        return false;
    QString const path = app->supportDirectory() + fileName;
    // A protocol grows by a line a chord; one past the bound is not read whole.
    MTools::WholeFileRead const read = MTools::readWholeFile(path, kMaxProtocolBytes);
    if (read.status == MTools::WholeFileRead::TooLarge || read.status == MTools::WholeFileRead::CannotRead)
        return false;
    QString const content = QString::fromUtf8(read.bytes);
    QFile file(path);
    // Whole lines: a line that is only the end of a longer one is not present.
    QStringList lines = content.split(QLatin1Char('\n'));
    if (content.endsWith(QLatin1Char('\n')) || content.isEmpty())
        lines.removeLast();
    if (lines.contains(line))
        return true;
    if (!file.open(QIODevice::Append))
        return false;
    QByteArray entry;
    // A file whose last line has no line end gets one first, so the new line stays a line of its own.
    if (!content.isEmpty() && !content.endsWith(QLatin1Char('\n')))
        entry += '\n';
    entry += (line + QLatin1Char('\n')).toUtf8();
    bool const written = file.write(entry) == entry.size();
    file.close();
    return written;
}

} // namespace RADarir
