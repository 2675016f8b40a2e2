#include "form/window/memory_reuse.h"

#include <malloc.h>

void keepFreedMemoryForReuse() {
    // Blocks up to 32 MiB, the most glibc allows here, come from the heap, not from mappings of
    // their own; free memory at the heap's top is given back only beyond 512 MiB.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
}
