#include "bench/walks/memory_meter.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t inUse = 0;
std::size_t peak = 0;

// Each block carries its size in front of it, so that delete knows what it gives back.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<std::size_t*>(block) = size;
  inUse += size;
  if (inUse > peak) peak = inUse;
  return static_cast<char*>(block) + kHeader;
}

void Free(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  inUse -= *static_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* pointer) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer) noexcept {
  Free(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  Free(pointer);
}

namespace halvex::bench {

std::size_t HeapInUse() {
  return inUse;
}
std::size_t HeapPeak() {
  return peak;
}
void ResetHeapPeak() {
  peak = inUse;
}

}  // namespace halvex::bench
