#include "frame/arrays.h"

#include <cstddef>
#include <new>

#include "frame/heap.h"
#include "frame/runtime_error.h"

namespace frame {

struct TextArray::Block {
  int32_t dimensions;
  int32_t extent;
  Text elements[1];  // `extent` of them
};


void checkIndex(int32_t index, int32_t count) {
  if (index < 1) runtimeError(4, "数组成员引用下标必须大于等于1");
  if (index > count) runtimeError(1, "数组成员引用下标超出定义范围");
}

TextArray::TextArray() : TextArray(0) {}

TextArray::TextArray(int32_t count) {
  std::size_t bytes = offsetof(Block, elements) + sizeof(Text) * static_cast<std::size_t>(count);
  block_ = static_cast<Block*>(allocate(bytes));
  block_->dimensions = 1;
  block_->extent = count;
  for (int32_t i = 0; i < count; ++i) new (&block_->elements[i]) Text();
}

TextArray::TextArray(TextArray&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }

TextArray& TextArray::operator=(TextArray&& other) noexcept {
  if (this != &other) {
    this->~TextArray();
    block_ = other.block_;
    other.block_ = nullptr;
  }
  return *this;
}

TextArray::~TextArray() {
  if (!block_) return;
  for (int32_t i = 0; i < block_->extent; ++i) block_->elements[i].~Text();
  release(block_);
  block_ = nullptr;
}

int32_t TextArray::count() const { return block_ ? block_->extent : 0; }

const Text& TextArray::at(int32_t index) const {
  checkIndex(index, count());
  return block_->elements[index - 1];
}

Text& TextArray::at(int32_t index) {
  checkIndex(index, count());
  return block_->elements[index - 1];
}

}  // namespace frame
