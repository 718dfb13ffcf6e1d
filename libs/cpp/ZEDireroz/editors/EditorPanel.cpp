#include "ZEDireroz/editors/EditorPanel.h"

#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/widgets/ColorWidget.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

namespace ZEDireroz {

namespace {

constexpr int kButtonSide = 24;

// The strip's buttons in the order they are made, with the picture the strip's
// style sheet gives each.
struct PanelButton
{
    char const* objectName;
    char const* toolTip;
    char const* picture;
    void (EditorPanel::*slot)();
};

PanelButton const kButtons[] = {
    {"EditorFile", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "File"), "editorfile.png", nullptr},
    {"EditorTextBold", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Bold"), "textbold.png", &EditorPanel::slotTextBold},
    {"EditorTextUnderline", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Underline"), "textunder.png",
     &EditorPanel::slotTextUnderline},
    {"EditorTextItalic", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Italic"), "textitalic.png",
     &EditorPanel::slotTextItalic},
    {"EditorTextAlignLeft", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Align Left"), "textleft.png",
     &EditorPanel::slotTextAlignLeft},
    {"TextAlignCenter", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Align Center"), "textcenter.png",
     &EditorPanel::slotTextAlignCenter},
    {"TextAlignRight", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Align Right"), "textright.png",
     &EditorPanel::slotTextAlignRight},
    {"TextAlignJustify", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Align Justify"), "textjustify.png",
     &EditorPanel::slotTextAlignJustify},
    {"TextUndo", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Undo"), "editundo.png", &EditorPanel::slotUndo},
    {"TextRedo", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Redo"), "editredo.png", &EditorPanel::slotRedo},
    {"TextCut", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Cut"), "editcut.png", &EditorPanel::slotCut},
    {"TextCopy", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Copy"), "editcopy.png", &EditorPanel::slotCopy},
    {"TextPaste", QT_TRANSLATE_NOOP("ZEDireroz::EditorPanel", "Paste"), "editpaste.png", &EditorPanel::slotPaste},
};

// Flat buttons that show their picture and light up under the pointer. Only
// the strip's own buttons are addressed, so that the colour palette's buttons
// keep their colours.
QString panelStyleSheet()
{
    QString sheet;
    for (PanelButton const& button : kButtons) {
        sheet += QStringLiteral("QPushButton#%1 { image: url(:/images/mac/%2); }\n")
                     .arg(QLatin1String(button.objectName), QLatin1String(button.picture));
    }
    QStringList selectors;
    for (PanelButton const& button : kButtons)
        selectors << QStringLiteral("QPushButton#") + QLatin1String(button.objectName);
    sheet += selectors.join(QStringLiteral(", "))
             + QStringLiteral(" { border: 1px solid transparent; border-radius: 4px; padding: 2px;"
                              " background: transparent; }\n");
    sheet += selectors.join(QStringLiteral(":hover, "))
             + QStringLiteral(":hover { border-color: rgba(0, 0, 0, 60);"
                              " background: rgba(255, 255, 255, 120); }\n");
    sheet +=
        selectors.join(QStringLiteral(":pressed, ")) + QStringLiteral(":pressed { background: rgba(0, 0, 0, 40); }\n");
    sheet += QStringLiteral("QPushButton#EditorFile::menu-indicator { image: none; width: 0px; }\n");
    return sheet;
}

} // namespace

EditorPanel::EditorPanel(QWidget* parent)
    : QWidget(parent)
{
    QPushButton* buttons[sizeof(kButtons) / sizeof(kButtons[0])];
    int index = 0;
    for (PanelButton const& entry : kButtons) {
        auto* button = new QPushButton(this);
        Common::extend(button, QLatin1String(entry.objectName), tr(entry.toolTip));
        button->setFixedSize(kButtonSide, kButtonSide);
        button->setFlat(true);
        // The text keeps the keyboard focus and its selection while the strip is used.
        button->setFocusPolicy(Qt::NoFocus);
        if (entry.slot)
            connect(button, &QPushButton::clicked, this, entry.slot);
        buttons[index++] = button;
    }
    enum { File, Bold, Underline, Italic, Left, Center, Right, Justify, Undo, Redo, Cut, Copy, Paste };

    auto* swatch = new ColorWidget(this);
    swatch->setFixedSize(kButtonSide, kButtonSide);
    swatch->setOpacity(0.8f);
    swatch->setColor(Qt::white);
    connect(swatch, &ColorWidget::colorChanged, this, &EditorPanel::colorChanged);

    auto* menu = new QMenu(buttons[File]);
    menu->addAction(tr("Open..."), this, &EditorPanel::slotFileOpen);
    menu->addAction(tr("Save"), this, &EditorPanel::slotFileSave);
    menu->addAction(tr("Save As..."), this, &EditorPanel::slotFileSaveAs);
    menu->addAction(tr("Print..."), this, &EditorPanel::slotFilePrint);
    menu->addAction(tr("Print Preview..."), this, &EditorPanel::slotFilePrintPreview);
    menu->addAction(tr("Create PDF"), this, &EditorPanel::slotFilePrintPdf);
    buttons[File]->setMenu(menu);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    layout->addWidget(buttons[File]);
    layout->addStretch(1);
    layout->addWidget(buttons[Bold]);
    layout->addWidget(buttons[Italic]);
    layout->addWidget(buttons[Underline]);
    layout->addStretch(1);
    layout->addWidget(swatch);
    layout->addStretch(1);
    layout->addWidget(buttons[Undo]);
    layout->addWidget(buttons[Redo]);
    layout->addStretch(1);
    layout->addWidget(buttons[Copy]);
    layout->addWidget(buttons[Cut]);
    layout->addWidget(buttons[Paste]);
    layout->addStretch(1);
    layout->addWidget(buttons[Left]);
    layout->addWidget(buttons[Center]);
    layout->addWidget(buttons[Right]);
    layout->addWidget(buttons[Justify]);
    setMaximumHeight(28);
    setStyleSheet(panelStyleSheet());
}

void EditorPanel::slotFileOpen()
{
    emit fileOpen();
}

void EditorPanel::slotFileSave()
{
    emit fileSave();
}

void EditorPanel::slotFileSaveAs()
{
    emit fileSaveAs();
}

void EditorPanel::slotFilePrint()
{
    emit filePrint();
}

void EditorPanel::slotFilePrintPreview()
{
    emit filePrintPreview();
}

void EditorPanel::slotFilePrintPdf()
{
    emit filePrintPdf();
}

void EditorPanel::slotUndo()
{
    emit undo();
}

void EditorPanel::slotRedo()
{
    emit redo();
}

void EditorPanel::slotCut()
{
    emit cut();
}

void EditorPanel::slotCopy()
{
    emit copy();
}

void EditorPanel::slotPaste()
{
    emit paste();
}

void EditorPanel::slotTextBold()
{
    emit textBold();
}

void EditorPanel::slotTextUnderline()
{
    emit textUnderline();
}

void EditorPanel::slotTextItalic()
{
    emit textItalic();
}

void EditorPanel::slotTextColor()
{
    emit textColor();
}

void EditorPanel::slotTextAlignLeft()
{
    emit textAlignLeft();
}

void EditorPanel::slotTextAlignCenter()
{
    emit textAlignCenter();
}

void EditorPanel::slotTextAlignRight()
{
    emit textAlignRight();
}

void EditorPanel::slotTextAlignJustify()
{
    emit textAlignJustify();
}

} // namespace ZEDireroz
