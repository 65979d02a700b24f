#pragma once
// The heap the program uses, counted by replacing the global operator new and delete of the
// benchmark's executable: bytes in use now, and the most in use since the last reset.
#include <cstddef>

namespace halvex::bench {

std::size_t HeapInUse();
std::size_t HeapPeak();
// From now on the peak counts from what is in use now.
void ResetHeapPeak();

}  // namespace halvex::bench
