#include "platform/FreedMemory.h"

// Any C library header defines __GLIBC__ on glibc.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vemora {

void ReturnFreedMemory() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

} // namespace vemora
