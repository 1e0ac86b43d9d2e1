#pragma once
// Memory of the process heap, which the system serialises between threads.
#include <cstddef>

namespace frame {

// A failed allocation is reported as a run-time error and ends the program.
void* allocate(std::size_t bytes);
void* reallocate(void* block, std::size_t bytes);
void release(void* block);

}  // namespace frame
