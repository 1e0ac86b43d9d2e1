#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/split_text.h"

namespace {

std::vector<std::string> split(const char* text) {
  frame::TextArray entries = installer::splitText(text, '|');
  std::vector<std::string> result;
  for (int32_t i = 1; i <= entries.count(); ++i) result.emplace_back(entries.at(i).c_str());
  return result;
}

using Entries = std::vector<std::string>;

TEST(SplitText, EveryCaseOfTheSeparatorRule) {
  struct Case { const char* text; Entries entries; } cases[] = {
      {"a|b|c", {"a", "b", "c"}},
      {"a||b", {"a", "", "b"}},            // adjacent separators give an empty entry
      {"|a", {"", "a"}},                   // a leading separator too
      {"a|b|", {"a", "b"}},                // nothing after the last separator: no entry
      {"a|", {"a"}},
      {"", {}},
      {nullptr, {}},
      {"|", {""}},
      // 0xB1 0x7C is one GBK character whose trail byte is the code of "|".
      {"x\xB1\x7Cy|z", {"x\xB1\x7Cy", "z"}},
      {"\xB1\x7C", {"\xB1\x7C"}},
  };
  for (const Case& c : cases) EXPECT_EQ(split(c.text), c.entries) << (c.text ? c.text : "(null)");
}

}  // namespace
