#pragma once
// A preview area that steps through a ring of picture files, by keys or by a
// slide show that moves one picture back every 5 seconds.

#include "QMViewer/PreviewArea.h"

#include <QList>
#include <QString>

class QTimer;

namespace QMViewer {

class Viewer : public PreviewArea
{
    Q_OBJECT
public:
    explicit Viewer(QWidget* parent = nullptr);

    bool isSlideShowRunning() const;

signals:
    void hideMe();

public slots:
    // Takes the list; the current position becomes the picture now shown, or
    // none when that picture is not in the list. Shows nothing by itself.
    void slotSetItems(QList<QString> const& strLst);
    // Starts the slide show, or stops it when it runs.
    void slotSlideShow();
    void slotShowNext();
    void slotShowPrevious();
    void slotTimeOut();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void step(int direction);
    void stopSlideShow();

    // Index into m_items; -1 while no listed picture is current.
    int m_iCurrent = -1;
    QList<QString> m_items;
    QTimer* m_timer = nullptr;
};

} // namespace QMViewer
