#pragma once
// A progress bar with a small Stop button that gives way to a plain label when
// the work is done or stopped. The caller polls isStopped() to end its work; a
// Stop holds for the rest of the run.

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ZEDireroz {

class ComboProgress : public QWidget
{
    Q_OBJECT
public:
    explicit ComboProgress(QWidget* parent = nullptr);

    QLabel* label() const { return m_pLabel; }
    int progress() const;
    bool isStopped() const { return m_bStopped; }
    // The label alone when on; the bar with the Stop button when off.
    void setLabelMode(bool on);
    bool isLabelMode() const { return m_bLabelMode; }

public slots:
    // 100 or more ends the run and shows the label; the bar keeps its last value.
    // A value below 100 shows the bar, unless the user stopped this run. A new
    // run begins with a value of 0 or less, with any value after the previous
    // run ended, and with a value lower than the last one (progress within a
    // run never falls); a new run forgets an earlier Stop.
    void slotSetProgress(int value);
    void slotStopPressed();

private:
    QProgressBar* m_pProgressBar;
    QPushButton* m_pStopButton;
    QLabel* m_pLabel;
    bool m_bStopped = false;
    bool m_bLabelMode = true;
    bool m_bRunEnded = true;
};

} // namespace ZEDireroz
