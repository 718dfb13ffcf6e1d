#pragma once
// The transposer's strip of chord tabs: movable tabs that report every change
// of their number, a click once the button is released over a tab, and
// labels that read left to right in every language.

#include <QTabBar>

namespace RADarir {

class ChordsTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit ChordsTabBar(QWidget* parent = nullptr);

signals:
    // The tab under the pointer has become the current tab.
    void tabClicked();
    void countChanged(int count);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;
};

} // namespace RADarir
