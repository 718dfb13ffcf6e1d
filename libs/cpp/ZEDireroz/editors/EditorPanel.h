#pragma once
// A slim strip of flat buttons above a rich-text document: a File menu, the
// character formats, a colour swatch, undo and redo, the clipboard and the
// four alignments. It only emits commands and knows nothing of the document;
// RichtextEditor connects it to a TextEdit. The buttons carry no text and no
// icon of their own: the strip's style sheet draws them by object name.

#include <QColor>
#include <QWidget>

namespace ZEDireroz {

class EditorPanel : public QWidget
{
    Q_OBJECT
public:
    explicit EditorPanel(QWidget* parent = nullptr);

signals:
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void filePrint();
    void filePrintPreview();
    void filePrintPdf();
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void textBold();
    void textUnderline();
    void textItalic();
    void textColor();
    void textAlignLeft();
    void textAlignCenter();
    void textAlignRight();
    void textAlignJustify();
    void colorChanged(const QColor& colour);

public slots:
    void slotFileOpen();
    void slotFileSave();
    void slotFileSaveAs();
    void slotFilePrint();
    void slotFilePrintPreview();
    void slotFilePrintPdf();
    void slotUndo();
    void slotRedo();
    void slotCut();
    void slotCopy();
    void slotPaste();
    void slotTextBold();
    void slotTextUnderline();
    void slotTextItalic();
    void slotTextColor();
    void slotTextAlignLeft();
    void slotTextAlignCenter();
    void slotTextAlignRight();
    void slotTextAlignJustify();
};

} // namespace ZEDireroz
