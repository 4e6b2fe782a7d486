// Both pages of a chart through their checks, as the window and the command
// line run them: the birth page first.
#pragma once

#include <QString>
#include <optional>

#include "documents/chart_document.h"

namespace zkc {

// The first check that fails, as "birth: Please Enter Name" or "day: …".
std::optional<QString> PageCheckFailure(const Pages& pages);

}  // namespace zkc
