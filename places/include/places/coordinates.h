// Decimal degrees as the input pages take them: whole degrees and minutes
// with a direction.
#pragma once

namespace zkc::places {

struct DegreesMinutes {
    int Degrees = 0;
    int Minutes = 0;        // 0 … 59
    bool Negative = false;  // south or west
};

// Rounded to the nearest minute of arc, with the carry: 40.99999° is 41°00′,
// never 40°60′. The direction is the sign of the value; a value that rounds
// to 0°00′ counts as positive.
DegreesMinutes ToDegreesMinutes(double decimalDegrees);

}  // namespace zkc::places
