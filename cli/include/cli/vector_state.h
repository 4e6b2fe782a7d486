// Long numeric runs on a clean vector unit.
#pragma once

namespace zkc::cli {

// Parts of Qt that the command line runs before a scan (the option parser
// among them) leave the upper halves of the AVX registers in use. Until they
// are cleared, every SSE instruction of the calculation waits on them: on the
// Xeon processors tried, scans and transit searches ran five times slower.
// Clearing them (vzeroupper, where the processor has AVX) is harmless
// anywhere else. Threads started afterwards inherit the clean state.
void ClearUpperVectorState();

}  // namespace zkc::cli
