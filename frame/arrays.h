#pragma once
// Arrays in the program's layout: one block holding the number of dimensions, the extent of each
// dimension (32 bits each) and then the elements, indexed from 1.
#include <cstdint>
#include <span>

#include "frame/text.h"

namespace frame {

// Header of a one-dimensional byte-array constant; the bytes follow it directly.
struct ByteArrayHeader {
  int32_t dimensions;
  int32_t count;
};

inline std::span<const uint8_t> elements(const ByteArrayHeader& array) {
  return {reinterpret_cast<const uint8_t*>(&array + 1), static_cast<std::size_t>(array.count)};
}

// Raises run-time error 4 for an index below 1 and run-time error 1 above the element count.
void checkIndex(int32_t index, int32_t count);

// A one-dimensional text array that owns its texts.
class TextArray {
 public:
  TextArray();
  explicit TextArray(int32_t count);
  TextArray(TextArray&& other) noexcept;
  TextArray& operator=(TextArray&& other) noexcept;
  TextArray(const TextArray&) = delete;
  TextArray& operator=(const TextArray&) = delete;
  ~TextArray();

  int32_t count() const;
  // Element `index`, counting from 1, with the index checks above.
  const Text& at(int32_t index) const;
  Text& at(int32_t index);

 private:
  struct Block;
  Block* block_;
};

}  // namespace frame
