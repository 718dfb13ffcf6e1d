#pragma once
// Start-up steps of the main page: sizing and titling it (step 6) and showing
// and registering it (step 8).

#include <QSize>
#include <QVariant>

class QWidget;

namespace MainPageStartup {

// The size the main page opens at: the stored width and height, each raised
// to the minimum and kept within the available screen. A value that is not a
// number gives the minimum.
QSize startSize(QVariant const& width, QVariant const& height, QSize const& minimum, QSize const& available);

// Minimum size 540 x 765, size from the settings "Width" and "Height" within
// the primary screen's available area, and the application's name as the
// window title.
void sizeAndTitle(QWidget* page);
// The same for a given available area.
void sizeAndTitle(QWidget* page, QSize const& available);

// Shows the page and makes it the application's main widget.
void showAndRegister(QWidget* page);

} // namespace MainPageStartup
