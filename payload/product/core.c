/* mvcore.dll: the product's version. */
#include "mv_libraries.h"

const char* mvCoreVersion(void) { return "9.0.3"; }
