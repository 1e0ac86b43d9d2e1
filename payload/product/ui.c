/* mvui.dll: sizes scaled to the screen's resolution. */
#include "mv_libraries.h"

int mvUiScale(int dotsPerInch, int pixels) {
  if (dotsPerInch <= 0) return pixels;
  return pixels * dotsPerInch / 96;
}
