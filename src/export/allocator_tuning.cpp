#include "export/allocator_tuning.h"

#include <malloc.h>

namespace vornik::exporting {

void keepLargeBuffersInHeap() {
    // Rasters at the highest resolution stay well below this size.
    constexpr int kLargestHeapBlock = 256 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kLargestHeapBlock);
}

} // namespace vornik::exporting
