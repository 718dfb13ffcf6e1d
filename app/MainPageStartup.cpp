#include "app/MainPageStartup.h"

#include "ZEDireroz/frame/App.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace MainPageStartup {

namespace {

int storedSide(QVariant const& value, int minimum, int available)
{
    bool ok = false;
    int side = value.toInt(&ok);
    if (!ok)
        side = minimum;
    // A size saved on a larger screen must not open the window beyond this one;
    // the minimum wins over a screen smaller than it.
    if (available > 0)
        side = qMin(side, available);
    return qMax(side, minimum);
}

} // namespace

QSize startSize(QVariant const& width, QVariant const& height, QSize const& minimum, QSize const& available)
{
    return QSize(storedSide(width, minimum.width(), available.width()),
                 storedSide(height, minimum.height(), available.height()));
}

void sizeAndTitle(QWidget* page)
{
    QScreen const* screen = QGuiApplication::primaryScreen();
    sizeAndTitle(page, screen ? screen->availableSize() : QSize());
}

void sizeAndTitle(QWidget* page, QSize const& available)
{
    page->setMinimumHeight(765);
    page->setMinimumWidth(540);
    QSize const minimum = page->minimumSize();
    QVariant width = minimum.width();
    QVariant height = minimum.height();
    if (auto* app = ZEDireroz::App::theApp()) {
        width = app->settingsValue("Width", minimum.width());
        height = app->settingsValue("Height", minimum.height());
    }
    page->resize(startSize(width, height, minimum, available));
    page->setWindowTitle(QCoreApplication::applicationName());
}

void showAndRegister(QWidget* page)
{
    page->show();
    if (auto* app = ZEDireroz::App::theApp())
        app->setMainWidget(page);
}

} // namespace MainPageStartup
