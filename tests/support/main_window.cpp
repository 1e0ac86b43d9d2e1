#include "tests/support/main_window.h"

#include "frame/program.h"
#include "frame/window.h"
#include "installer/program_state.h"
#include "ui/main_window.h"

namespace testing_support {

void loadMainWindow() {
  const frame::WindowDescription* descriptions[] = {&ui::mainWindow};
  frame::initialise(descriptions);
  installer::productCatalogue = frame::TextArray();
  frame::loadWindow(ui::mainWindow);
}

}  // namespace testing_support
