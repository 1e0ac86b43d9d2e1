#include <gtest/gtest.h>
#include <windows.h>

#include "frame/text.h"

namespace {

TEST(Text, ComparesBytewiseUnsignedWithNullEqualToEmpty) {
  struct Case { const char* a; const char* b; int order; } cases[] = {
      {nullptr, "", 0}, {"", nullptr, 0}, {"abc", "abc", 0}, {"abc", "abd", -1},
      {"b", "a", 1}, {"ab", "abc", -1}, {"\xB0\xB2", "a", 1},  // lead bytes above 0x7F sort last
  };
  for (const Case& c : cases)
    EXPECT_EQ(frame::compareText(c.a, c.b), c.order) << (c.a ? c.a : "(null)") << " vs " << (c.b ? c.b : "(null)");
}

TEST(Text, JoinsPartsAndCopiesOwnBytes) {
  frame::Text joined = frame::Text::join({"C:\\", "Morvane软件\\", "Morvane工具09"});
  EXPECT_EQ(joined, "C:\\Morvane软件\\Morvane工具09");
  frame::Text copy = joined;
  EXPECT_NE(copy.c_str(), joined.c_str());
  EXPECT_EQ(copy, joined);
  EXPECT_TRUE(frame::Text().empty());
  EXPECT_STREQ(frame::Text().c_str(), "");
}

TEST(Text, LowersAsciiLettersOnlyAndLeavesDoubleByteCharactersAlone) {
  // 0xB1 0x41 is one GBK character whose trail byte is the code of "A".
  char name[] = "MORVANE\xB1\x41Tool.EXE";
  frame::lowerAscii(name);
  EXPECT_STREQ(name, "morvane\xB1\x41tool.exe");
}

TEST(Text, TheAnsiCodePageIsGbk) { EXPECT_EQ(GetACP(), 936u); }

}  // namespace
