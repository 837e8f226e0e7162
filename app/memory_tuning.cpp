#include "app/memory_tuning.h"

#include <cstddef>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quillmoor::app {

void KeepFreedMemoryForReuse() {
#ifdef __GLIBC__
    constexpr std::size_t kThreshold = std::size_t{64} << 20;
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kThreshold));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kThreshold));
#endif
}

}  // namespace quillmoor::app
