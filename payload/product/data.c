/* mvdata.dll: the product's built-in settings. */
#include <string.h>

#include "mv_libraries.h"

static const char* const kSettings[][2] = {
    {"language", "zh-CN"},
    {"theme", "light"},
    {"autosave", "10"},
};

const char* mvDataSetting(const char* key) {
  for (unsigned i = 0; i < sizeof kSettings / sizeof kSettings[0]; ++i)
    if (strcmp(kSettings[i][0], key) == 0) return kSettings[i][1];
  return "";
}
