#pragma once

namespace testing_support {

// Starts the frame and loads the installer's main window in this process, as the program entry
// does (its creation handler sets the default install directory).
void loadMainWindow();

}  // namespace testing_support
