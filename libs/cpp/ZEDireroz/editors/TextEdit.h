#pragma once
// A main window that edits one rich-text document: a QTextEdit in the middle,
// the menus File, Edit and Format, a tool bar with the list-style, font and
// size boxes, and public slots through which another widget (the editor panel
// of RichtextEditor) drives it without its menus.
//
// Files: HTML files or plain text are read, up to kMaxTextFileBytes; a file that
// is plainly not text (an OpenDocument file, a picture, an archive) is refused.
// OpenDocument text, HTML and plain text are written, chosen by the file name's
// suffix, always through a save file so that a failed write leaves the old file
// whole; Save As gives a bare name the suffix .html, which the window reads back. Plain text is written back in
// the encoding, byte-order mark and line ends it was read in, with every
// character; where an edit added characters the encoding cannot hold, the user
// is asked before the file is saved in UTF-8. PDF goes through a printer set
// to PDF output. Unsaved changes are asked about before New, Open and closing.
// A window embedded in another widget is never hidden by closing: Quit closes
// its document instead.

#include "ZEDireroz/editors/PlainTextFile.h"

#include <QMainWindow>
#include <QString>

class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QPrinter;
class QTextCharFormat;
class QTextEdit;
class QToolBar;

class TextEdit : public QMainWindow
{
    Q_OBJECT
public:
    explicit TextEdit(QWidget* parent = nullptr);
    ~TextEdit() override;

    QString html() const;
    // Replaces the document; the file name and the title stay.
    void setHtml(QString const& html);

    // Reads f into the window (an .htm or .html file that looks like rich text
    // as HTML, any other file as plain text) and names the document after it.
    // False, with nothing changed, when the file is missing, cannot be read,
    // is too large or is not text.
    bool load(QString const& f);
    // Whether the caller may drop the document: true when it is unmodified,
    // came from the program's resources, was saved, or the user discarded it.
    bool maybeSave();

    // The path of the document's file; empty for a new document.
    QString fileName() const { return m_fileName; }
    QTextEdit* textArea() const { return m_pTextEdit; }
    // The checkable format actions; triggering one toggles its format, which
    // is what a button for it elsewhere wants.
    QAction* boldAction() const { return m_pActionTextBold; }
    QAction* italicAction() const { return m_pActionTextItalic; }
    QAction* underlineAction() const { return m_pActionTextUnderline; }

signals:
    void textChanged();

public slots:
    void slotFileNew();
    void slotFileOpen();
    bool slotFileSave();
    bool slotFileSaveAs();
    void slotFilePrint();
    void slotFilePrintPreview();
    void slotFilePrintPdf();
    void slotTextBold();
    void slotTextUnderline();
    void slotTextItalic();
    void slotTextAlignLeft();
    void slotTextAlignCenter();
    void slotTextAlignRight();
    void slotTextAlignJustify();
    void slotCopy();
    void slotPaste();
    void slotCut();
    void slotUndo();
    void slotRedo();
    void textAlign(QAction* a);
    void textFamily(const QString& f);
    void textSize(const QString& p);
    void textStyle(int styleIndex);
    void slotColorChanged(const QColor& c);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void currentCharFormatChanged(const QTextCharFormat& format);
    void cursorPositionChanged();
    void clipboardDataChanged();
    void about();
    void printPreview(QPrinter* printer);
    void slotChooseColor();

private:
    void setupFileActions();
    void setupEditActions();
    void setupTextActions();
    void setupComboBoxes();
    void connectDocument();

    void mergeFormatOnWordOrSelection(QTextCharFormat const& format);
    void fontChanged(QFont const& f);
    void colorChanged(QColor const& c);
    void alignmentChanged(Qt::Alignment a);
    void setCurrentFileName(QString const& fileName);
    // load(), telling in *problem (when given) why a file was not read.
    bool loadFile(QString const& f, QString* problem);

    // Writes the document to path in the format its suffix names, replacing
    // the file only once the whole document is written; a failure is shown
    // to the user and returns false.
    bool writeDocument(QString const& path);
    // Whether path may be written when the user chose the name chosen: asks
    // before a file is replaced that the file dialog did not ask about.
    bool mayReplace(QString const& chosen, QString const& path);
    void showFileError(QString const& text);
    // The document as plain text in the form *format gives (that of its file),
    // or in UTF-8 when the user agrees to it; false when it is not to be
    // written. *format becomes the form of the bytes.
    bool plainTextBytes(QString const& path, ZEDireroz::PlainTextFormat* format, QByteArray* bytes);

    QAction* m_pActionSave = nullptr;
    QAction* m_pActionTextBold = nullptr;
    QAction* m_pActionTextUnderline = nullptr;
    QAction* m_pActionTextItalic = nullptr;
    QAction* m_pActionTextColor = nullptr;
    QAction* m_pActionAlignLeft = nullptr;
    QAction* m_pActionAlignCenter = nullptr;
    QAction* m_pActionAlignRight = nullptr;
    QAction* m_pActionAlignJustify = nullptr;
    QAction* m_pActionUndo = nullptr;
    QAction* m_pActionRedo = nullptr;
    QAction* m_pActionCut = nullptr;
    QAction* m_pActionCopy = nullptr;
    QAction* m_pActionPaste = nullptr;

    QComboBox* m_pComboStyle = nullptr;
    QFontComboBox* m_pComboFont = nullptr;
    QComboBox* m_pComboSize = nullptr;

    QString m_fileName;
    // How the plain text of the document's file was written down.
    ZEDireroz::PlainTextFormat m_plainTextFormat;
    QTextEdit* m_pTextEdit = nullptr;
};
