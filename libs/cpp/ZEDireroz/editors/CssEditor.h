#pragma once
// A window for writing a Qt style sheet and trying it on the running
// application: Apply sets the text as the whole application's style sheet,
// Reset removes it, SetInfo writes class and object name into the tool tip of
// every named widget (to find the selectors to style).

#include <QMainWindow>

namespace ZEDireroz {

class CssDoc;

class CssEditor : public QMainWindow
{
    Q_OBJECT
public:
    // The window deletes itself when closed; the style sheet it applied stays.
    explicit CssEditor(QWidget* parent = nullptr);

    CssDoc* document() const { return m_doc; }

public slots:
    void slotApply();
    void slotAbout();
    void slotReset();
    void slotChangeWindowTitle(QString const& str);
    void slotApplyToolTipsInfo();

private:
    void addInfoToToolTip(QWidget* widget);

    CssDoc* m_doc;
};

} // namespace ZEDireroz
