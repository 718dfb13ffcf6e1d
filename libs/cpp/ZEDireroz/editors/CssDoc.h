#pragma once
// The text area of the style-sheet editor: one style sheet as plain text,
// coloured by CssSyntaxHighlighter, with a fixed look of its own, loaded from
// and saved to a plain text file. A file too large for the text area is
// refused, and a failed load or save is shown to the user with its reason.

#include "ZEDireroz/editors/PlainTextFile.h"

#include <QString>
#include <QTextEdit>

namespace ZEDireroz {

class CssDoc : public QTextEdit
{
    Q_OBJECT
public:
    explicit CssDoc(QWidget* parent = nullptr);

    // Its own font and colours, set again whenever the application's style sheet
    // changes under it.
    void applyOwnPalette();

    // The file the text was last loaded from or saved to; empty until then.
    QString fileName() const { return m_fileName; }

signals:
    // After each successful load and save, with the file's path.
    void changeWindowTitle(QString const& title);

public slots:
    void slotLoad();
    void slotSave();
    void slotSaveAs();

private:
    void showFileError(QString const& text);

    QString m_fileName;
    // How the sheet's file is written down: a new sheet is UTF-8 with LF.
    PlainTextFormat m_format;
};

} // namespace ZEDireroz
