#include "installer/brand_profiles.h"

namespace installer {
namespace {

constexpr BrandProfile kBrandProfiles[] = {
    {0, "Morvane软件\\",
     "Morvane工具01|Morvane工具02|Morvane工具03|Morvane工具04|Morvane工具05|Morvane工具06|"
     "Morvane工具07|Morvane工具08|Morvane工具09|Morvane工具10|Morvane工具11|Morvane工具12|"
     "Morvane工具13|Morvane工具14|Morvane工具15|Morvane工具16|Morvane工具17|Morvane工具18|"
     "Morvane工具19|Morvane工具20|Morvane工具21|Morvane工具22|Morvane工具23|Morvane工具24"},
};

}  // namespace

const BrandProfile* findBrandProfile(int key) {
  for (const BrandProfile& profile : kBrandProfiles)
    if (profile.key == key) return &profile;
  return nullptr;
}

}  // namespace installer
