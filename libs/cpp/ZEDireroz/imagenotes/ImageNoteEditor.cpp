#include "ZEDireroz/imagenotes/ImageNoteEditor.h"

#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"
#include "ZEDireroz/imagenotes/NoteEditDragPreview.h"
#include "ZEDireroz/promotion/PromotedApps.h"
#include "ZEDireroz/promotionbar/AppMenu.h"
#include "ZEDireroz/promotionbar/MoreAppsButton.h"
#include "ZEDireroz/widgets/ColorWidget.h"
#include "platform/desktop/Os.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopWidget>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

namespace ZEDireroz {

namespace {

QPushButton* barButton(QPushButton* button, QString const& name, QString const& toolTip)
{
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setFlat(true);
    return button;
}

QHBoxLayout* tightRow()
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    return row;
}

} // namespace

ImageNoteEditor::ImageNoteEditor(QWidget* parent)
    : QFrame(parent)
    , m_scaleFactor([] { return Os::scaleFactor(); })
    , m_desktopSize([] { return QApplication::desktop()->size(); })
{
    m_pWorkArea = new ImageNoteWorkArea;
    m_pScrollArea = new QScrollArea;
    m_pScrollArea->setWidget(m_pWorkArea);
    m_pToolColumn = new QFrame;
    m_pDragPreview = new NoteEditDragPreview;
    m_pDragPreview->setToolTip(tr("Drag this into a mail, a chat or a cloud folder"));

    // The tool column.
    auto* column = new QVBoxLayout(m_pToolColumn);
    column->setSpacing(0);
    column->addWidget(m_pDragPreview);
    column->addStretch(1);
    struct Tool
    {
        char const* name;
        char const* toolTip;
        void (ImageNoteEditor::*slot)();
    };
    Tool const tools[] = {
        {"ImageNoteEditorPen", QT_TR_NOOP("Pen"), &ImageNoteEditor::slotSetPenTool},
        {"ImageNoteEditorEraser", QT_TR_NOOP("Eraser"), &ImageNoteEditor::slotSetEraserTool},
        {"ImageNoteEditorHighlighter", QT_TR_NOOP("Highlighter"), &ImageNoteEditor::slotSetHighlighterTool},
        {"ImageNoteEditorRectangle", QT_TR_NOOP("Rectangle"), &ImageNoteEditor::slotSetRectangleTool},
        {"ImageNoteEditorFilledRectangle", QT_TR_NOOP("Filled Rectangle"),
         &ImageNoteEditor::slotSetFilledRectangleTool},
        {"ImageNoteEditorOval", QT_TR_NOOP("Oval"), &ImageNoteEditor::slotSetOvalTool},
        {"ImageNoteEditorBlur", QT_TR_NOOP("Blur"), &ImageNoteEditor::slotSetBlurRectangleTool},
        {"ImageNoteEditorFilledOval", QT_TR_NOOP("Filled Oval"), &ImageNoteEditor::slotSetFilledOvalTool},
        {"ImageNoteEditorLine", QT_TR_NOOP("Line"), &ImageNoteEditor::slotSetLineTool},
        {"ImageNoteEditorArrow", QT_TR_NOOP("Arrow"), &ImageNoteEditor::slotSetArrowTool},
        {"ImageNoteEditorText", QT_TR_NOOP("Text"), &ImageNoteEditor::slotSetTextTool},
    };
    auto* toolGroup = new QButtonGroup(this);
    toolGroup->setExclusive(true);
    for (Tool const& tool : tools) {
        auto* button = barButton(new QPushButton, QString::fromLatin1(tool.name), tr(tool.toolTip));
        button->setCheckable(true);
        button->setFixedSize(32, 32);
        toolGroup->addButton(button);
        column->addWidget(button);
        connect(button, &QPushButton::clicked, this, tool.slot);
        // The filled oval stays reachable for callers but has no place in the column.
        if (tool.slot == &ImageNoteEditor::slotSetFilledOvalTool)
            button->hide();
    }
    toolGroup->buttons().first()->setChecked(true);
    column->addStretch(1);
    auto* newShot = new QPushButton(QStringLiteral("New\nScreen\nShot"));
    newShot->setObjectName(QStringLiteral("NewScreenShowButton"));
    newShot->setFixedSize(64, 64);
    column->addWidget(newShot);
    connect(newShot, &QPushButton::clicked, this, &ImageNoteEditor::slotNewScreenShot);

    // The colour and thickness group.
    auto* colourHolder = new QWidget;
    colourHolder->setObjectName(QStringLiteral("ImageNoteEditorColorDecor"));
    auto* colourRow = new QHBoxLayout(colourHolder);
    colourRow->setContentsMargins(5, 5, 5, 5);
    auto* swatch = new ColorWidget;
    swatch->setFixedSize(22, 22);
    swatch->setColor(Qt::yellow);
    colourRow->addWidget(swatch);
    connect(swatch, &ColorWidget::colorChanged, m_pWorkArea, &ImageNoteWorkArea::slotSetColor);

    auto* thickness = barButton(new QPushButton, QStringLiteral("ImageNoteEditorThikness"), QString());
    auto* menu = new QMenu(thickness);
    auto* thicknessGroup = new QActionGroup(this);
    thicknessGroup->setExclusive(true);
    for (int const px : {1, 2, 3, 4, 5, 10, 15}) {
        QString const text = QStringLiteral("%1px").arg(px);
        auto* action =
            new QAction(QIcon(QStringLiteral(":/imagenotes/thickness-%1.png").arg(px)), text, thicknessGroup);
        action->setCheckable(true);
        action->setData(px);
        action->setChecked(px == 1);
        menu->addAction(action);
    }
    menu->addSeparator();
    QAction* dash = menu->addAction(QIcon(QStringLiteral(":/imagenotes/thickness-dash.png")), QStringLiteral("Dash"));
    dash->setCheckable(true);
    thickness->setMenu(menu);
    connect(thicknessGroup, &QActionGroup::triggered, this, &ImageNoteEditor::slotSetThikness);
    connect(dash, &QAction::triggered, this, &ImageNoteEditor::slotSetDashLine);

    QHBoxLayout* first = tightRow();
    first->addWidget(colourHolder);
    first->addWidget(thickness);

    auto* undo = barButton(new QPushButton, QStringLiteral("ImageNoteEditorUndo"), tr("Undo"));
    auto* redo = barButton(new QPushButton, QStringLiteral("ImageNoteEditorRedo"), tr("Redo"));
    connect(undo, &QPushButton::clicked, m_pWorkArea, &ImageNoteWorkArea::slotUndo);
    connect(redo, &QPushButton::clicked, m_pWorkArea, &ImageNoteWorkArea::slotRedo);
    connect(m_pWorkArea, &ImageNoteWorkArea::undoAvailable, undo, &QPushButton::setEnabled);
    connect(m_pWorkArea, &ImageNoteWorkArea::redoAvailable, redo, &QPushButton::setEnabled);
    QHBoxLayout* second = tightRow();
    second->addWidget(undo);
    second->addWidget(redo);

    auto* save = barButton(new QPushButton, QStringLiteral("ImageNoteEditorSave"), tr("Save"));
    connect(save, &QPushButton::clicked, m_pWorkArea, &ImageNoteWorkArea::slotSave);
    auto* moreApps = new MoreAppsButton;
    barButton(moreApps, QStringLiteral("ImageNoteEditorMoreApps"), tr("MoreApps"));
    for (PromotedApps::Product const& product : PromotedApps::kProducts) {
        QString const name = QString::fromLatin1(product.internalName);
        moreApps->addMenuAppLink(QPixmap(QStringLiteral(":/") + name + QStringLiteral("64x64.png")),
                                 QString::fromUtf8(product.title), QString::fromLatin1(product.storeName),
                                 QString::fromLatin1(product.storeId));
    }
    auto* app = new AppButton;
    barButton(app, QStringLiteral("ImageNoteEditorApp"), tr("App"));
    connect(app, &AppButton::quitPressed, this, &ImageNoteEditor::slotQuit);
    auto* quit = barButton(new QPushButton, QStringLiteral("ImageNoteEditorQuit"), tr("Quit"));
    connect(quit, &QPushButton::clicked, this, &ImageNoteEditor::slotQuit);
    QHBoxLayout* third = tightRow();
    third->addWidget(save);
    third->addWidget(moreApps);
    third->addWidget(app);
    third->addWidget(quit);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 12, 12, 12);
    bar->setSpacing(5);
    bar->addLayout(first);
    bar->addStretch(1);
    bar->addLayout(second);
    bar->addStretch(1);
    bar->addLayout(third);

    auto* right = new QVBoxLayout;
    right->addLayout(bar);
    right->addWidget(m_pScrollArea);

    auto* window = new QHBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addWidget(m_pToolColumn);
    window->addLayout(right);

    // The preview is refreshed before the window tells anyone of the change.
    connect(m_pWorkArea, &ImageNoteWorkArea::changed, this, &ImageNoteEditor::slotChanged);
    connect(m_pWorkArea, &ImageNoteWorkArea::changed, this, &ImageNoteEditor::changed);
}

void ImageNoteEditor::setScreenMetrics(std::function<qreal()> scaleFactor, std::function<QSize()> desktopSize)
{
    m_scaleFactor = std::move(scaleFactor);
    m_desktopSize = std::move(desktopSize);
}

// The picture keeps every device pixel; its device pixel ratio makes it show at
// the screen's point size, so a save on a 2x screen keeps the full resolution.
void ImageNoteEditor::slotSetPixmap(QPixmap const& pixmap)
{
    qreal const scale = m_scaleFactor ? m_scaleFactor() : 1.0;
    qreal const ratio = scale > 0 ? scale : 1.0;
    QPixmap picture = pixmap;
    picture.setDevicePixelRatio(ratio);
    QSize const points(int(std::lround(pixmap.width() / ratio)), int(std::lround(pixmap.height() / ratio)));
    QSize const desktop = m_desktopSize ? m_desktopSize() : QSize(1920, 1080);
    QSize const limit(int(desktop.width() / 1.5), int(desktop.height() / 1.5));
    QSize const wanted(points.width() + 100, points.height() + 90);
    if (wanted.width() > limit.width() || wanted.height() > limit.height())
        resize(limit);
    else
        resize(wanted);
    m_pWorkArea->slotSetPixmap(picture);
    m_pDragPreview->slotSetPixmap(picture);
}

int ImageNoteEditor::askToSave()
{
    return MessageBox::information(this, QString(), tr("Do you want to save the current changes to the file?"),
                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

// Only an explicit Yes drops the unsaved picture; closing the question keeps it.
void ImageNoteEditor::slotNewScreenShot()
{
    if (m_pWorkArea->isDirty()) {
        int const answer = MessageBox::information(
            this, QString(),
            tr("The changes of the current image are not saved.\nAfter creation of the new screen shot these "
               "changes will be lost.\nContinue?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    hide();
    emit doNewScreenShot();
}

void ImageNoteEditor::slotQuit()
{
    if (m_pWorkArea->isDirty()) {
        int const answer = askToSave();
        if (answer == QMessageBox::Yes) {
            if (!m_pWorkArea->slotSave())
                return;
        } else if (answer != QMessageBox::No) {
            return;
        }
    }
    QCoreApplication::quit();
}

void ImageNoteEditor::closeEvent(QCloseEvent* event)
{
    if (!m_pWorkArea->isDirty())
        return;
    event->ignore();
    int const answer = askToSave();
    if (answer == QMessageBox::No) {
        hide();
        return;
    }
    if (answer == QMessageBox::Yes)
        m_pWorkArea->slotSave();
    show();
}

void ImageNoteEditor::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    emit shown();
}

void ImageNoteEditor::slotChanged()
{
    m_pDragPreview->slotSetPixmap(m_pWorkArea->pixContent());
}

void ImageNoteEditor::slotSetPenTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Pen);
}

void ImageNoteEditor::slotSetEraserTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Eraser);
}

void ImageNoteEditor::slotSetHighlighterTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Highlighter);
}

void ImageNoteEditor::slotSetRectangleTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Rectangle);
}

void ImageNoteEditor::slotSetFilledRectangleTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::FilledRectangle);
}

void ImageNoteEditor::slotSetBlurRectangleTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Blur);
}

void ImageNoteEditor::slotSetOvalTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Oval);
}

void ImageNoteEditor::slotSetFilledOvalTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::FilledOval);
}

void ImageNoteEditor::slotSetLineTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Line);
}

void ImageNoteEditor::slotSetArrowTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Arrow);
}

void ImageNoteEditor::slotSetTextTool()
{
    m_pWorkArea->slotSetMode(ImageNoteWorkArea::Text);
}

void ImageNoteEditor::slotSetDrawTool(QAction* action)
{
    if (action)
        m_pWorkArea->slotSetMode(action->data().toInt());
}

void ImageNoteEditor::slotSetThikness(QAction* action)
{
    if (action)
        m_pWorkArea->slotSetThikness(action->data().toInt());
}

void ImageNoteEditor::slotSetDashLine(bool on)
{
    m_pWorkArea->slotSetDashLine(on);
}

void ImageNoteEditor::slotSetFont()
{
    bool ok = false;
    QFont const font = QFontDialog::getFont(&ok);
    if (ok)
        m_pWorkArea->slotSetFont(font);
}

void ImageNoteEditor::slotAbout()
{
    QMessageBox::about(this, QStringLiteral("About"), QStringLiteral("Note Editor"));
}

} // namespace ZEDireroz
