// Which long form stands behind each listed body's position text.
#pragma once

#include <string_view>

#include "engine/chart_positions.h"

namespace zkc {

// The planet unit writes the long forms of the Sun, the planets, the nodes
// and the two angles; the Moon's comes from the Moon unit of the same pass.
// Empty for the unused slot and for anything outside the body order.
std::string_view LongFormOfBody(const ChartPositions& positions, std::string_view moonLongitudeText,
                                int body);

}  // namespace zkc
