#include "RADarir/tuners/TunerBasePage.h"

#include "RADarir/tuners/ModesPanel.h"
#include "RADarir/tuners/TunerSettings.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QDebug>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QSignalMapper>
#include <QTimer>
#include <QVBoxLayout>

namespace RADarir {

namespace {

constexpr int kInitialButtonSide = 46;
constexpr float kWidthPerButton = 6.5f;
constexpr int kPageMinimumWidth = 300;
constexpr int kButtonsPanelMargin = 2;

} // namespace

TuneButton::TuneButton(QWidget* parent)
    : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, &TuneButton::play);
}

ButtonsPanel::ButtonsPanel(QWidget* parent)
    : QFrame(parent)
{
    m_pTimer = new QTimer(this);
    m_pTimer->setInterval(kRepeatIntervalMs);
    connect(m_pTimer, &QTimer::timeout, this, &ButtonsPanel::slotTimeOut);
    setObjectName(QStringLiteral("TuneButtonsPanel"));
    auto* layout = new QHBoxLayout;
    layout->addStretch(1);
    for (int i = 0; i < kButtonCount; ++i) {
        auto* button = new TuneButton(nullptr);
        button->setObjectName(QStringLiteral("TuneButton"));
        button->setFlat(true);
        button->hide();
        button->setFixedSize(kInitialButtonSide, kInitialButtonSide);
        m_mapButtons.insert(i, button);
        connect(button, &TuneButton::clicked, this, &ButtonsPanel::slotClicked);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    setLayout(layout);
    // Narrow margins above and below the buttons (the style's at the sides):
    // at the page's smallest the control row above needs the height.
    QMargins margins = layout->contentsMargins();
    margins.setTop(kButtonsPanelMargin);
    margins.setBottom(kButtonsPanelMargin);
    layout->setContentsMargins(margins);
    // The repeat mode is one for all pages, whichever panel switched it.
    connect(TunerSettings::instance(), &TunerSettings::repeatChanged, this, &ButtonsPanel::slotSetRepeatMode);
    bool const repeat = ZEDireroz::App::theApp()->settingsValue(QStringLiteral("Repeat"), false).toBool();
    qDebug() << "!!!RepeatMode:" << repeat;
    slotSetRepeatMode(repeat);
}

ButtonsPanel::~ButtonsPanel() = default;

int ButtonsPanel::buttonSide(int panelWidth)
{
    return int(float(panelWidth) / kWidthPerButton);
}

void ButtonsPanel::slotClicked(bool checked)
{
    if (!m_bRepeatMode)
        return;
    for (TuneButton* button : qAsConst(m_mapButtons))
        button->setChecked(false);
    if (auto* clicked = qobject_cast<TuneButton*>(sender()))
        clicked->setChecked(checked);
}

void ButtonsPanel::slotTimeOut()
{
    // A hidden string (the bass guitar's fifth in four-string mode) is not played.
    for (TuneButton* button : qAsConst(m_mapButtons)) {
        if (button->isChecked() && !button->isHidden()) {
            button->sendPlay();
            return;
        }
    }
}

void ButtonsPanel::slotSetRepeatMode(bool on)
{
    m_bRepeatMode = on;
    for (TuneButton* button : qAsConst(m_mapButtons)) {
        button->setCheckable(on);
        button->update();
    }
    if (on)
        m_pTimer->start();
    else
        m_pTimer->stop();
}

void ButtonsPanel::resizeEvent(QResizeEvent* event)
{
    int const side = buttonSide(event->size().width());
    for (TuneButton* button : qAsConst(m_mapButtons))
        button->setFixedSize(side, side);
    QWidget::resizeEvent(event);
}

TunerBasePage::TunerBasePage(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("TunerPage"));
    m_strResourcesPath = ZEDireroz::App::theApp()->bundleResourcePath();
    setMinimumWidth(kPageMinimumWidth);
    m_pModesPanel = new ModesPanel(nullptr);
    m_pButtonsPanel = new ButtonsPanel(nullptr);
    connect(m_pModesPanel, &ModesPanel::repeatModeChangedTo, m_pButtonsPanel, &ButtonsPanel::slotSetRepeatMode);
    m_pMissingSoundLabel = new QLabel;
    m_pMissingSoundLabel->setObjectName(QStringLiteral("MissingSoundLabel"));
    m_pMissingSoundLabel->setWordWrap(true);
    m_pMissingSoundLabel->hide();
    auto* layout = new QVBoxLayout;
    layout->setSpacing(0);
    ZEDireroz::Common::zeroMargins(layout);
    layout->addWidget(m_pModesPanel);
    layout->addStretch(1);
    layout->addWidget(m_pMissingSoundLabel);
    layout->addWidget(m_pButtonsPanel);
    setLayout(layout);
}

TunerBasePage::~TunerBasePage() = default;

void TunerBasePage::setPicture(QPixmap const& picture)
{
    m_pixPicture = picture;
    update();
}

TuneButton* TunerBasePage::button(int index) const
{
    return m_pButtonsPanel->button(index);
}

void TunerBasePage::hideAppOptions()
{
    m_pModesPanel->hideAppOptions();
}

QString TunerBasePage::fileAtCurrentPitch(QString const& pattern)
{
    return pattern.arg(TunersCommonPanel::storedPitch());
}

void TunerBasePage::slotPlay(QString const& file)
{
    if (!isVisible())
        return;
    QString const path = fileAtCurrentPitch(file);
    if (!QFileInfo::exists(path))
        reportMissing(path);
    // A file that cannot be loaded still ends with finished(), so the player
    // always releases itself; the page as parent releases any still sounding.
    auto* player = new QMMultiMedia::NativeAudioPlayer(this);
    connect(player, &QMMultiMedia::NativeAudioPlayer::finished, player, &QObject::deleteLater);
    player->play(path);
    emit soundStarted(path);
}

void TunerBasePage::slotSetRepeatMode(bool on)
{
    m_pButtonsPanel->slotSetRepeatMode(on);
}

void TunerBasePage::reportMissing(QString const& file)
{
    // Once per file: in repeat mode the same press comes back every second.
    if (m_setMissing.contains(file))
        return;
    m_setMissing.insert(file);
    m_pMissingSoundLabel->setText(
        tr("The sound %1 is missing from the program's files.").arg(QFileInfo(file).fileName()));
    m_pMissingSoundLabel->show();
}

void TunerBasePage::mapButton(int index, QString const& pattern)
{
    if (!m_pSignalMapper) {
        m_pSignalMapper = new QSignalMapper(this);
        connect(m_pSignalMapper, &QSignalMapper::mappedString, this, &TunerBasePage::slotPlay);
    }
    TuneButton* tuneButton = button(index);
    connect(tuneButton, &TuneButton::play, m_pSignalMapper, qOverload<>(&QSignalMapper::map));
    m_pSignalMapper->setMapping(tuneButton, pattern);
}

void TunerBasePage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(rect());
    if (m_pixPicture.isNull())
        return;
    // Drawn from twice the resolution it occupies, sharp on a double-density screen.
    QPixmap const scaled = m_pixPicture.scaled(qRound(2.0 * width()), qRound(2.0 * height()), Qt::KeepAspectRatio,
                                               Qt::SmoothTransformation);
    int const w = scaled.width() / 2;
    int const h = scaled.height() / 2;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(qAbs(width() - w) / 2, qAbs(height() - h) / 2, w, h), scaled);
}

void TunerBasePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}

} // namespace RADarir
