#pragma once
// The slide show itself: the display, a row of numbered buttons (one per slide)
// and the timer that moves on to the next slide every four seconds.

#include <QFrame>
#include <QList>

class QButtonGroup;
class QHBoxLayout;
class QPushButton;
class QSignalMapper;
class QTimer;

namespace ZEDireroz {

class HelpDisplay;

class HelpViewArea : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kSlideInterval = 4000;

    explicit HelpViewArea(QWidget* parent = nullptr);

    void addSlide(QString const& file);
    QPushButton* applyItemButtonProperties(QPushButton* button, QString const& objectName);

    HelpDisplay* display() const { return m_pDisplay; }
    QTimer* timer() const { return m_pTimer; }
    QList<QPushButton*> slideButtons() const { return m_lButtons; }

public slots:
    void slotShowSlide(const QString& file);
    void slotShowNextSlide();
    void slotStartSlideShow();
    void slotStopSlideShow();
    void slotButtonClicked();

private:
    QTimer* m_pTimer = nullptr;
    HelpDisplay* m_pDisplay = nullptr;
    QHBoxLayout* m_pButtonsLayout = nullptr;
    QButtonGroup* m_pButtonGroup = nullptr;
    QSignalMapper* m_pMapper = nullptr;
    // The buttons in the order the slides were added; their numbers count from 1
    // in every view area.
    QList<QPushButton*> m_lButtons;
};

} // namespace ZEDireroz
