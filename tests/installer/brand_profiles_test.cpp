#include <gtest/gtest.h>

#include "installer/brand_profiles.h"
#include "installer/split_text.h"

namespace {

TEST(BrandProfiles, RowZeroHoldsTheBrandFolderAndItsTwentyFourProducts) {
  const installer::BrandProfile* row = installer::findBrandProfile(0);
  ASSERT_NE(row, nullptr);
  EXPECT_STREQ(row->directory, "Morvane软件\\");
  frame::TextArray products = installer::splitText(row->catalogue, '|');
  ASSERT_EQ(products.count(), 24);
  for (int32_t i = 1; i <= 24; ++i) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "Morvane工具%02d", i);
    EXPECT_EQ(products.at(i), expected);
  }
}

TEST(BrandProfiles, AKeyWithoutARowFindsNothing) {
  EXPECT_EQ(installer::findBrandProfile(6), nullptr);
  EXPECT_EQ(installer::findBrandProfile(-1), nullptr);
}

}  // namespace
