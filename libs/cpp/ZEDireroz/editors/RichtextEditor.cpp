#include "ZEDireroz/editors/RichtextEditor.h"

#include "ZEDireroz/editors/EditorPanel.h"
#include "ZEDireroz/editors/TextEdit.h"

#include <QAction>
#include <QVBoxLayout>

namespace ZEDireroz {

RichtextEditor::RichtextEditor(QWidget* parent)
    : QWidget(parent)
    , m_pTextEdit(new TextEdit(nullptr))
    , m_pPanel(new EditorPanel(nullptr))
{
    connect(m_pTextEdit, &TextEdit::textChanged, this, &RichtextEditor::textChanged);

    connect(m_pPanel, &EditorPanel::fileOpen, m_pTextEdit, &TextEdit::slotFileOpen);
    connect(m_pPanel, &EditorPanel::fileSave, m_pTextEdit, &TextEdit::slotFileSave);
    connect(m_pPanel, &EditorPanel::fileSaveAs, m_pTextEdit, &TextEdit::slotFileSaveAs);
    connect(m_pPanel, &EditorPanel::filePrint, m_pTextEdit, &TextEdit::slotFilePrint);
    connect(m_pPanel, &EditorPanel::filePrintPreview, m_pTextEdit, &TextEdit::slotFilePrintPreview);
    connect(m_pPanel, &EditorPanel::filePrintPdf, m_pTextEdit, &TextEdit::slotFilePrintPdf);
    // The format slots apply the check state of their action; a panel button
    // goes through the action, so that a click toggles the format as the menu
    // entry does instead of repeating the state at the cursor.
    connect(m_pPanel, &EditorPanel::textBold, m_pTextEdit->boldAction(), &QAction::trigger);
    connect(m_pPanel, &EditorPanel::textUnderline, m_pTextEdit->underlineAction(), &QAction::trigger);
    connect(m_pPanel, &EditorPanel::textItalic, m_pTextEdit->italicAction(), &QAction::trigger);
    connect(m_pPanel, &EditorPanel::colorChanged, m_pTextEdit, &TextEdit::slotColorChanged);
    connect(m_pPanel, &EditorPanel::textAlignLeft, m_pTextEdit, &TextEdit::slotTextAlignLeft);
    connect(m_pPanel, &EditorPanel::textAlignCenter, m_pTextEdit, &TextEdit::slotTextAlignCenter);
    connect(m_pPanel, &EditorPanel::textAlignRight, m_pTextEdit, &TextEdit::slotTextAlignRight);
    connect(m_pPanel, &EditorPanel::textAlignJustify, m_pTextEdit, &TextEdit::slotTextAlignJustify);
    connect(m_pPanel, &EditorPanel::undo, m_pTextEdit, &TextEdit::slotUndo);
    connect(m_pPanel, &EditorPanel::redo, m_pTextEdit, &TextEdit::slotRedo);
    connect(m_pPanel, &EditorPanel::cut, m_pTextEdit, &TextEdit::slotCut);
    connect(m_pPanel, &EditorPanel::copy, m_pTextEdit, &TextEdit::slotCopy);
    connect(m_pPanel, &EditorPanel::paste, m_pTextEdit, &TextEdit::slotPaste);

    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(5);
    layout->addWidget(m_pPanel);
    layout->addWidget(m_pTextEdit);
    setLayout(layout);
}

QString RichtextEditor::html()
{
    return m_pTextEdit->html();
}

void RichtextEditor::setHtml(const QString& html)
{
    m_pTextEdit->setHtml(html);
}

} // namespace ZEDireroz
