// The frame each page of the window fills (the birth and day pages, and the
// result), in twips within the client area: left, top, width, height.
#pragma once

namespace zkc::app {

inline constexpr int kPageFrameTwips[] = {30, 525, 8350, 4650};

}  // namespace zkc::app
