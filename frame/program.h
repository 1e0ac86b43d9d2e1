#pragma once
// The program's life: start-up, the message loop, worker threads and the end of the program.
#include <span>

#include "frame/window_description.h"

namespace frame {

// Start-up on the thread that becomes the UI thread: the library search is restricted to the
// system directory, OLE is initialised, the current directory becomes the executable's folder,
// the hidden message window is created and the descriptions' event bindings are checked.
void initialise(std::span<const WindowDescription* const> descriptions);

bool onUiThread();

// Registers the routine that releases the program-wide state; it runs once at the end.
void atProgramEnd(void (*routine)());

// Runs until no loaded window is left, then ends the program with exit code 0.
[[noreturn]] void runMessageLoop();

// Ends the program from any thread. On the UI thread: events stop, the loaded windows are
// released, the end routine runs, the libraries loaded by name are freed, the hidden window is
// destroyed, OLE is uninitialised and the process terminates. From another thread the request
// is handed to the UI thread, which terminates the process while the caller waits.
[[noreturn]] void endProgram(int exitCode);

// Starts `routine` on a new thread without parameter; the handle is closed at once.
bool startThread(void (*routine)());

namespace detail {
// Internal hand-over to the UI thread through the hidden message window.
LRESULT sendToUiThread(UINT message, WPARAM wParam, LPARAM lParam);
void forgetWindow(class LoadedWindow* window);
void rememberWindow(class LoadedWindow* window);
LoadedWindow* windowByNumber(WindowNumber number);
}  // namespace detail

}  // namespace frame
