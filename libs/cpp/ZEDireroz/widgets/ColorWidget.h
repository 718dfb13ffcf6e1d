#pragma once
// A colour swatch with a glossy highlight and a drop-down mark; a press opens a
// fixed palette of 48 colours below it, and a pick closes the palette, repaints
// the swatch and emits colorChanged.

#include <QColor>
#include <QWidget>

class QPushButton;

namespace ZEDireroz {

class ColorWidgetPopup : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 8;
    // The palette, row by row.
    static QColor paletteColor(int row, int column);

    explicit ColorWidgetPopup(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    // A flat 20 x 20 button showing the colour; a click picks it.
    QPushButton* createButton(QColor const& colour);
    // True while the mouse is inside the palette.
    bool isInAction() const { return m_bInAction; }

signals:
    void colorChanged(const QColor& colour);

public slots:
    void slotColorChanged();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_bInAction = false;
};

class ColorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ColorWidget(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    // Emits nothing.
    void setColor(QColor const& colour);
    void setOpacity(float opacity);

    ColorWidgetPopup* popup() const { return m_pPopup; }

signals:
    void colorChanged(const QColor& colour);

public slots:
    void slotColorChanged(const QColor& colour);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ColorWidgetPopup* m_pPopup;
    QColor m_color = Qt::green;
};

} // namespace ZEDireroz
