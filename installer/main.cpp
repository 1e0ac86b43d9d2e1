// Program entry: the frame starts, the program-wide state is prepared, the main window is
// loaded (its creation handler sets the default install directory) and the message loop runs.
#include <windows.h>

#include "frame/program.h"
#include "frame/window.h"
#include "installer/program_state.h"
#include "ui/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const frame::WindowDescription* descriptions[] = {&ui::mainWindow};
  frame::initialise(descriptions);
  installer::productCatalogue = frame::TextArray();
  frame::atProgramEnd(installer::releaseGlobals);
  frame::loadWindow(ui::mainWindow);
  frame::runMessageLoop();
}
