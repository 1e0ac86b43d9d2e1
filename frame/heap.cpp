#include "frame/heap.h"

#include <windows.h>

#include <cstdio>

#include "frame/runtime_error.h"

namespace frame {
namespace {

[[noreturn]] void allocationFailed(std::size_t bytes) {
  char message[64];
  std::snprintf(message, sizeof message, "分配 %d 字节内存失败!", static_cast<int>(bytes));
  runtimeError(0, message);
}

}  // namespace

void* allocate(std::size_t bytes) {
  void* block = HeapAlloc(GetProcessHeap(), 0, bytes ? bytes : 1);
  if (!block) allocationFailed(bytes);
  return block;
}

void* reallocate(void* block, std::size_t bytes) {
  if (!block) return allocate(bytes);
  void* grown = HeapReAlloc(GetProcessHeap(), 0, block, bytes ? bytes : 1);
  if (!grown) allocationFailed(bytes);
  return grown;
}

void release(void* block) {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace frame
