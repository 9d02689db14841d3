#pragma once

namespace vornik::exporting {

// Every symbol converted allocates and frees the same few large buffers (the
// rendered picture, its copy for the writer). By default the C library gives
// each a fresh mapping from the kernel and returns it afterwards, so a batch
// of labels pays page faults and zeroed pages for every symbol; kept in the
// heap, the buffers are reused. Call once, before converting.
void keepLargeBuffersInHeap();

} // namespace vornik::exporting
