/* mvnet.dll: the product's network defaults. */
#include "mv_libraries.h"

unsigned short mvNetDefaultPort(void) { return 8089; }
