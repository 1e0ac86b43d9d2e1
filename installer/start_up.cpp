// The creation handler: the window's place, the default drive, the product and the default
// install directory, all in place before the window is first shown.
#include "frame/window.h"
#include "installer/brand_profiles.h"
#include "installer/disk_space.h"
#include "installer/handlers.h"
#include "installer/program_state.h"
#include "installer/split_text.h"
#include "ui/control_kinds.h"
#include "ui/main_window.h"

namespace installer {

void onMainWindowCreated() {
  frame::writeInteger(ui::主窗口, ui::主窗口自身, frame::property::width, 250);
  frame::writeInteger(ui::主窗口, ui::主窗口自身, frame::property::height, 400);
  frame::writeInteger(ui::主窗口, ui::主窗口自身, frame::property::top, 300);

  // The total free space of D: decides, not the space available to the user.
  int64_t usedMB = 0, freeMB = 0, totalMB = 0;
  getDiskSpaceMB("d:", usedMB, freeMB, totalMB);
  const char* drive = freeMB < 1000 ? "C:\\" : "D:\\";

  productIndex = 9;
  const int brandSelector = 0;
  const char* brandDirectory = "";
  if (const BrandProfile* profile = findBrandProfile(brandSelector)) {
    brandDirectory = profile->directory;
    catalogueText = profile->catalogue;
  }
  productCatalogue = splitText(catalogueText.c_str(), '|');
  productName = productCatalogue.at(productIndex);

  frame::Text installDirectory = frame::Text::join({drive, brandDirectory, productName.view()});
  frame::writeText(ui::主窗口, ui::标签_安装目录, ui::property::caption, installDirectory.c_str());
}

}  // namespace installer
