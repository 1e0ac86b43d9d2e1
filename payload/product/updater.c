/* The product's second program: reports the installed version and the update settings. */
#include <stdio.h>

#include "mv_libraries.h"

int main(void) {
  printf("version %s, port %u, language %s\n", mvCoreVersion(), mvNetDefaultPort(),
         mvDataSetting("language"));
  return 0;
}
