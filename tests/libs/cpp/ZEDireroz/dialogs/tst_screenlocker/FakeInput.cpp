#include "FakeInput.h"

#include <QStringList>
#include <QVector>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace FakeInput {

namespace {
Display* g_display = nullptr;
}

bool open()
{
    if (!g_display)
        g_display = XOpenDisplay(nullptr);
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    return g_display && XTestQueryExtension(g_display, &eventBase, &errorBase, &major, &minor);
}

void close()
{
    if (g_display)
        XCloseDisplay(g_display);
    g_display = nullptr;
}

void keys(QString const& combination)
{
    QVector<KeyCode> codes;
    for (QString const& name : combination.split('+')) {
        KeySym const sym = XStringToKeysym(name.toLatin1().constData());
        codes << XKeysymToKeycode(g_display, sym);
    }
    for (KeyCode code : codes)
        XTestFakeKeyEvent(g_display, code, True, CurrentTime);
    for (int i = codes.size() - 1; i >= 0; --i)
        XTestFakeKeyEvent(g_display, codes[i], False, CurrentTime);
    XSync(g_display, False);
}

void click(QPoint const& globalPosition)
{
    XTestFakeMotionEvent(g_display, -1, globalPosition.x(), globalPosition.y(), CurrentTime);
    XTestFakeButtonEvent(g_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(g_display, 1, False, CurrentTime);
    XSync(g_display, False);
}

} // namespace FakeInput
