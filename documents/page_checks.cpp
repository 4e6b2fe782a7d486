#include "documents/page_checks.h"

#include "documents/core_text.h"

namespace zkc {

std::optional<QString> PageCheckFailure(const Pages& pages) {
    const auto message = [](const char* page, const CheckFailure& f) {
        return QString("%1: %2").arg(QLatin1String(page), FromCore(f.Message));
    };
    if (const auto failure = CheckPage(pages.Birth)) {
        return message("birth", *failure);
    }
    if (const auto failure = CheckPage(pages.Day)) {
        return message("day", *failure);
    }
    return std::nullopt;
}

}  // namespace zkc
