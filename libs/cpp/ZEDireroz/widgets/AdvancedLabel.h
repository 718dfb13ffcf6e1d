#pragma once
// A clickable painted label: a background picture inside a margin, brightened
// while the mouse is over it, under a word-wrapped caption.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace ZEDireroz {

class AdvancedLabel : public QWidget
{
    Q_OBJECT
public:
    explicit AdvancedLabel(QWidget* parent = nullptr);

    void setText(QString const& text);
    void setBackgroundPixmap(QPixmap const& pixmap);
    // A margin that leaves no room for the picture hides it.
    void setMargin(int margin);
    QString text() const { return m_sText; }
    int margin() const { return m_nMargin; }
    bool isHovered() const { return m_bHover; }

    // How much brighter the picture is under the mouse.
    static constexpr int kHoverBrightness = 30;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_sText;
    QPixmap m_background;
    int m_nMargin = 0;
    bool m_bHover = false;
};

} // namespace ZEDireroz
