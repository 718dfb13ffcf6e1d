#pragma once
// Input as a user makes it: key strokes and clicks that go through the X server
// (the XTEST extension), so that grabs decide who receives them. Kept apart from
// the test itself because the X headers' macros clash with Qt's names.

#include <QPoint>
#include <QString>

namespace FakeInput {

bool open();
void close();
// Types the keys of a combination such as "Control_L+Alt_L+u" (X key names):
// all pressed in order, then released in reverse.
void keys(QString const& combination);
void click(QPoint const& globalPosition);

} // namespace FakeInput
