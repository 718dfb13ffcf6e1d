#pragma once
// A line edit for filtering lists: while empty it shows a search glass at its
// right end and, without the focus, a "Search:" hint; while it has text a small
// clear button stands there instead. Escape in the filter clears it; elsewhere
// in the window Escape keeps its usual meaning (closing a dialog).

#include <QLineEdit>

class QAction;
class QPushButton;

namespace ZEDireroz {

class SearchFilter : public QLineEdit
{
    Q_OBJECT
public:
    explicit SearchFilter(QWidget* parent = nullptr);

    QPushButton* clearButton() const { return m_pClearButton; }

public slots:
    void slotTextChanged(const QString& text);
    void slotClearClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_pClearButton;
    QAction* m_pEscapeAction;
};

} // namespace ZEDireroz
