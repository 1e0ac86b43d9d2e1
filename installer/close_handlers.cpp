// The controls that end the program without installing, and the background's press.
#include "frame/program.h"
#include "installer/handlers.h"

namespace installer {

void onCloseMarkReleased(int32_t, int32_t, int32_t) { frame::endProgram(0); }

// The close button of the second page, which is never brought forward.
void onPage2CloseClicked() { frame::endProgram(0); }

void onBackgroundPressed(int32_t, int32_t, int32_t) {}

}  // namespace installer
