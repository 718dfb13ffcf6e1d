#pragma once
// The compact form of a radio box: it shows only a picture of the chosen button
// with a drop-down mark, and a press opens a translucent popup below it that
// lists the other choices, each beside a text button. Picking one closes the
// popup and makes it the shown choice.

#include <QMap>
#include <QPixmap>
#include <QWidget>

class QAbstractButton;
class QPushButton;
class QVBoxLayout;

namespace ZEDireroz {

class UltraRadioBoxPopup : public QWidget
{
    Q_OBJECT
public:
    explicit UltraRadioBoxPopup(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    // True while the mouse is inside the popup.
    bool isInAction() const { return m_bInAction; }

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_bInAction = false;
};

class UltraRadioBox : public QWidget
{
    Q_OBJECT
public:
    explicit UltraRadioBox(QWidget* parent = nullptr);

    void addButton(QAbstractButton* button, QString const& text);
    // Makes an added button the shown choice; emits nothing. A null button or one
    // that was never added is ignored.
    void setCurrentButton(QAbstractButton* button);
    QAbstractButton* currentButton() const { return m_pCurrentButton; }
    // Shows or hides an added button and its text in the popup; others are ignored.
    void setVisibleButton(QAbstractButton* button, bool visible);
    // Holds until the next press on the box, which reads the stored setting.
    void setOpacity(float const& opacity);
    void hidePopup();

    UltraRadioBoxPopup* popup() const { return m_pPopup; }

    // The popup's window opacity for the stored setting "TransparencyParameters/UltraRadioPopups".
    static qreal storedOpacity();

signals:
    // The user picked a choice in the popup.
    void buttonClicked();
    // After every press on the box.
    void actionPerformed();

public slots:
    void slotButtonClicked();
    void slotFocusChanged(QWidget* pwgtOld, QWidget* pwgtNow);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* m_pRowsLayout;
    UltraRadioBoxPopup* m_pPopup;
    QPixmap m_shownPixmap;
    QMap<QAbstractButton*, QPushButton*> m_textButtons;
    QAbstractButton* m_pCurrentButton = nullptr;
    QPixmap m_normalPixmap;
    QPixmap m_hoverPixmap;
};

} // namespace ZEDireroz
