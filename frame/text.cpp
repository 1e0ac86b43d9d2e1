#include "frame/text.h"

#include <windows.h>

#include <cstring>

#include "frame/heap.h"

namespace frame {
namespace {

char* copyBytes(const char* bytes, std::size_t length) {
  if (length == 0) return nullptr;
  auto* copy = static_cast<char*>(allocate(length + 1));
  std::memcpy(copy, bytes, length);
  copy[length] = '\0';
  return copy;
}

}  // namespace

Text::Text(const char* bytes) : bytes_(bytes ? copyBytes(bytes, std::strlen(bytes)) : nullptr) {}
Text::Text(std::string_view bytes) : bytes_(copyBytes(bytes.data(), bytes.size())) {}
Text::Text(const Text& other) : Text(other.view()) {}
Text::Text(Text&& other) noexcept : bytes_(other.bytes_) { other.bytes_ = nullptr; }

Text& Text::operator=(const Text& other) {
  if (this != &other) *this = Text(other);
  return *this;
}

Text& Text::operator=(Text&& other) noexcept {
  if (this != &other) {
    release(bytes_);
    bytes_ = other.bytes_;
    other.bytes_ = nullptr;
  }
  return *this;
}

Text::~Text() { release(bytes_); }

std::size_t Text::size() const { return bytes_ ? std::strlen(bytes_) : 0; }

Text Text::join(std::initializer_list<std::string_view> parts) {
  std::size_t length = 0;
  for (auto part : parts) length += part.size();
  Text joined;
  if (length == 0) return joined;
  joined.bytes_ = static_cast<char*>(allocate(length + 1));
  char* at = joined.bytes_;
  for (auto part : parts) {
    std::memcpy(at, part.data(), part.size());
    at += part.size();
  }
  *at = '\0';
  return joined;
}

void Text::lowerAsciiLetters() {
  if (bytes_) lowerAscii(bytes_);
}

int compareText(const char* a, const char* b) {
  int order = std::strcmp(a ? a : "", b ? b : "");  // strcmp compares as unsigned char
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void lowerAscii(char* bytes) {
  for (char* at = bytes; *at;) {
    if (IsDBCSLeadByte(static_cast<BYTE>(*at)) && at[1]) {
      at += 2;
      continue;
    }
    if (*at >= 'A' && *at <= 'Z') *at = static_cast<char>(*at - 'A' + 'a');
    ++at;
  }
}

}  // namespace frame
