#include "ZEDireroz/imagenotes/ImageNoteEditor.h"

#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"
#include "ZEDireroz/imagenotes/NoteEditDragPreview.h"
#include "ZEDireroz/imagenotes/NoteEditWidget.h"
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
    Common::zeroMargins(row);
    row->setSpacing(0);
    return row;
}

// A tool button's object name and the picture the window's style sheet gives it.
struct ToolPicture
{
    QLatin1String name;
    QLatin1String picture;
};

// The bar's buttons and the picture each shows; undo and redo also have a
// faint form for when there is nothing to undo or redo.
struct BarPicture
{
    char const* name;
    char const* picture;
    bool fades;
};

BarPicture const kBarPictures[] = {
    {"ImageNoteEditorThikness", "thickness", false}, {"ImageNoteEditorUndo", "undo", true},
    {"ImageNoteEditorRedo", "redo", true},           {"ImageNoteEditorSave", "save", false},
    {"ImageNoteEditorMoreApps", "more-apps", false}, {"ImageNoteEditorApp", "app", false},
    {"ImageNoteEditorQuit", "quit", false},
};

QString selectorList(QStringList const& names, QString const& state)
{
    QStringList selectors;
    for (QString const& name : names)
        selectors << QStringLiteral("QPushButton#") + name + state;
    return selectors.join(QStringLiteral(", "));
}

// The window's look: a dark frame around the picture, the tools as light
// pictures that sit on a blue tile while chosen, and the bar's buttons lit
// under the pointer. Only the window's own widgets are addressed, so that it
// looks the same inside any application style sheet.
QString editorStyleSheet(QList<ToolPicture> const& toolPictures)
{
    QString sheet =
        QStringLiteral("ZEDireroz--ImageNoteEditor { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #2e3742, stop:1 #222931); }\n"
                       "ZEDireroz--ImageNoteEditor > QScrollArea { background: #161b21; border: 1px solid #0e1115; }\n"
                       "QWidget#ImageNoteEditorColorDecor { background: rgba(255, 255, 255, 18);"
                       " border: 1px solid rgba(255, 255, 255, 40); border-radius: 6px; }\n"
                       "QPushButton#NewScreenShowButton { color: white; font-weight: bold; border-radius: 8px;"
                       " border: 1px solid #1d5ea8; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #5aa6f0, stop:1 #2f73c4); }\n"
                       "QPushButton#NewScreenShowButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #70b4f5, stop:1 #3a80d1); }\n"
                       "QPushButton#NewScreenShowButton:pressed { background: #2a66ad; }\n");

    QStringList tools;
    for (ToolPicture const& tool : toolPictures) {
        tools << tool.name;
        sheet +=
            QStringLiteral("QPushButton#%1 { image: url(:/imagenotes/tool-%2.png); }\n").arg(tool.name, tool.picture);
    }
    sheet += selectorList(tools, QString())
             + QStringLiteral(" { border: 1px solid transparent; border-radius: 6px; padding: 3px;"
                              " background: transparent; }\n");
    sheet += selectorList(tools, QStringLiteral(":hover"))
             + QStringLiteral(" { background: rgba(255, 255, 255, 26); border-color: rgba(255, 255, 255, 48); }\n");
    sheet += selectorList(tools, QStringLiteral(":checked"))
             + QStringLiteral(" { border-color: #9fcdfb; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                              " stop:0 #4d9be6, stop:1 #2c68b3); }\n");
    sheet += selectorList(tools, QStringLiteral(":pressed")) + QStringLiteral(" { background: #23578f; }\n");

    QStringList bar;
    for (BarPicture const& button : kBarPictures) {
        bar << QLatin1String(button.name);
        sheet += QStringLiteral("QPushButton#%1 { image: url(:/imagenotes/bar-%2.png); }\n")
                     .arg(QLatin1String(button.name), QLatin1String(button.picture));
        if (button.fades)
            sheet += QStringLiteral("QPushButton#%1:disabled { image: url(:/imagenotes/bar-%2-disabled.png); }\n")
                         .arg(QLatin1String(button.name), QLatin1String(button.picture));
    }
    sheet += selectorList(bar, QString())
             + QStringLiteral(" { min-width: 32px; max-width: 32px; min-height: 32px; max-height: 32px;"
                              " border: 1px solid transparent; border-radius: 6px; padding: 4px;"
                              " background: transparent; }\n");
    sheet += selectorList(bar, QStringLiteral(":hover"))
             + QStringLiteral(" { background: rgba(255, 255, 255, 26); border-color: rgba(255, 255, 255, 48); }\n");
    sheet += selectorList(bar, QStringLiteral(":pressed"))
             + QStringLiteral(" { background: rgba(0, 0, 0, 70); border-color: rgba(255, 255, 255, 30); }\n");
    // The thickness button opens a list of choices: it is wider and shows a chevron.
    sheet += QStringLiteral(
        "QPushButton#ImageNoteEditorThikness { min-width: 46px; max-width: 46px; padding-right: 18px; }\n"
        "QPushButton#ImageNoteEditorThikness::menu-indicator { image: url(:/imagenotes/menu-arrow.png);"
        " subcontrol-origin: padding; subcontrol-position: right center; right: 4px; width: 10px;"
        " height: 7px; }\n"
        "QPushButton#ImageNoteEditorMoreApps::menu-indicator, QPushButton#ImageNoteEditorApp::menu-indicator"
        " { image: none; width: 0px; }\n");
    return sheet;
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
        char const* picture;
        void (ImageNoteEditor::*slot)();
    };
    Tool const tools[] = {
        {"ImageNoteEditorPen", QT_TR_NOOP("Pen"), "pen", &ImageNoteEditor::slotSetPenTool},
        {"ImageNoteEditorEraser", QT_TR_NOOP("Eraser"), "eraser", &ImageNoteEditor::slotSetEraserTool},
        {"ImageNoteEditorHighlighter", QT_TR_NOOP("Highlighter"), "highlighter",
         &ImageNoteEditor::slotSetHighlighterTool},
        {"ImageNoteEditorRectangle", QT_TR_NOOP("Rectangle"), "rectangle", &ImageNoteEditor::slotSetRectangleTool},
        {"ImageNoteEditorFilledRectangle", QT_TR_NOOP("Filled Rectangle"), "filled-rectangle",
         &ImageNoteEditor::slotSetFilledRectangleTool},
        {"ImageNoteEditorOval", QT_TR_NOOP("Oval"), "oval", &ImageNoteEditor::slotSetOvalTool},
        {"ImageNoteEditorBlur", QT_TR_NOOP("Blur"), "blur", &ImageNoteEditor::slotSetBlurRectangleTool},
        {"ImageNoteEditorFilledOval", QT_TR_NOOP("Filled Oval"), "filled-oval",
         &ImageNoteEditor::slotSetFilledOvalTool},
        {"ImageNoteEditorLine", QT_TR_NOOP("Line"), "line", &ImageNoteEditor::slotSetLineTool},
        {"ImageNoteEditorArrow", QT_TR_NOOP("Arrow"), "arrow", &ImageNoteEditor::slotSetArrowTool},
        {"ImageNoteEditorText", QT_TR_NOOP("Text"), "text", &ImageNoteEditor::slotSetTextTool},
    };
    auto* toolGroup = new QButtonGroup(this);
    toolGroup->setExclusive(true);
    QList<ToolPicture> toolPictures;
    for (Tool const& tool : tools) {
        toolPictures.append({QLatin1String(tool.name), QLatin1String(tool.picture)});
        auto* button = barButton(new QPushButton, QString::fromLatin1(tool.name), tr(tool.toolTip));
        button->setCheckable(true);
        button->setFixedSize(32, 32);
        toolGroup->addButton(button);
        column->addWidget(button, 0, Qt::AlignHCenter);
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
    column->addWidget(newShot, 0, Qt::AlignHCenter);
    connect(newShot, &QPushButton::clicked, this, &ImageNoteEditor::slotNewScreenShot);

    // The colour and thickness group.
    auto* colourHolder = new QWidget;
    colourHolder->setObjectName(QStringLiteral("ImageNoteEditorColorDecor"));
    colourHolder->setAttribute(Qt::WA_StyledBackground);
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
    Common::zeroMargins(window);
    window->setSpacing(0);
    window->addWidget(m_pToolColumn);
    window->addLayout(right);

    // The preview is refreshed before the window tells anyone of the change.
    connect(m_pWorkArea, &ImageNoteWorkArea::changed, this, &ImageNoteEditor::slotChanged);
    connect(m_pWorkArea, &ImageNoteWorkArea::changed, this, &ImageNoteEditor::changed);

    setStyleSheet(editorStyleSheet(toolPictures));
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

bool ImageNoteEditor::hasUnsavedWork() const
{
    return m_pWorkArea->isDirty() || m_pWorkArea->textBox()->holdsNote();
}

// Only an explicit Yes drops the unsaved picture; closing the question keeps it.
void ImageNoteEditor::slotNewScreenShot()
{
    if (hasUnsavedWork()) {
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
    if (hasUnsavedWork()) {
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
    if (!hasUnsavedWork())
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
    // The preview lets go of the old picture first, so that the work area can
    // mend it in place instead of copying the whole picture.
    m_pDragPreview->slotSetPixmap(QPixmap());
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
