#include "cli/vector_state.h"

namespace zkc::cli {

void ClearUpperVectorState() {
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx")) {
        // Leaves the XMM halves, all that code built for SSE uses, as they are.
        asm volatile("vzeroupper");
    }
#endif
}

}  // namespace zkc::cli
