#pragma once
// Texts: NUL-terminated byte strings in the ANSI code page (GBK), held on the process heap.
// Lengths and positions count bytes; an empty text and a null text compare equal.
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace frame {

class Text {
 public:
  Text() = default;
  Text(const char* bytes);  // NOLINT: texts are made from literals everywhere
  Text(std::string_view bytes);
  Text(const Text& other);
  Text(Text&& other) noexcept;
  Text& operator=(const Text& other);
  Text& operator=(Text&& other) noexcept;
  ~Text();

  const char* c_str() const { return bytes_ ? bytes_ : ""; }
  std::size_t size() const;
  bool empty() const { return size() == 0; }
  std::string_view view() const { return {c_str(), size()}; }

  // Lower-cases the ASCII letters A to Z (see lowerAscii).
  void lowerAsciiLetters();

  // The parts one after another.
  static Text join(std::initializer_list<std::string_view> parts);

  friend bool operator==(const Text& a, const Text& b) { return a.view() == b.view(); }
  friend bool operator==(const Text& a, const char* b) { return a.view() == std::string_view(b ? b : ""); }

 private:
  char* bytes_ = nullptr;
};

// Byte-wise unsigned comparison: -1, 0 or 1; null counts as "".
int compareText(const char* a, const char* b);

// Lower-cases the ASCII letters A to Z; bytes of double-byte characters stay as they are.
void lowerAscii(char* bytes);

}  // namespace frame
