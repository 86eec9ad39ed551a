#pragma once
// Qt's raster drawing shares a large fill or picture conversion among the
// threads of Qt's global thread pool and waits until they are done. A
// thread the pool cannot make (under a memory limit, no room for its stack)
// never runs its share, and the drawing waits for ever: the wheel's steps,
// a print, a window resized would hang the program.
namespace halcyra {

// Makes the pool's threads now, while memory allows, and keeps them for
// the program's life, so that drawing never needs a new one. Called once,
// right after the application object is made.
void KeepDrawingThreads();

}  // namespace halcyra
