#pragma once
// The start-up after the application object exists: identity and links, style
// sheet, language, introduction slides, the metronome page with its promotion
// menu, the introduction and reminder prompts, and the event loop, whose result
// it returns. The page lives until the loop has returned.

namespace ZEDireroz {
class App;
}

namespace Startup {

// Before the application object exists: what the toolkit must know from the
// start. Nothing in this program draws with OpenGL (the web view is not part of
// it), so windows are plain raster surfaces and the OpenGL driver is never
// loaded; a program that shares OpenGL contexts (for a web view) keeps the
// toolkit's default. Large memory blocks are given back to the system when
// freed.
void prepareApplication();

// What the application object's promotion, help, reminder and style-editor slots
// open: the windows and links of the areas above the frame. run() installs them
// first.
void installActions();

int run(ZEDireroz::App& app);

} // namespace Startup
