#include "src/export/grosz_amount.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace klarvo::exporting {

GroszAmount InWholeGrosze(double amount) {
    const double tenThousandths = std::nearbyint(amount * 10000.0);
    // Beyond what whole ten-thousandths of any invoice reach, the value is taken as it is.
    if (!(std::fabs(tenThousandths) < 1e17)) return {amount, false};
    const auto exact = static_cast<std::int64_t>(tenThousandths);
    const std::int64_t grosze = exact >= 0 ? (exact + 50) / 100 : -((-exact + 50) / 100);
    return {std::copysign(static_cast<double>(grosze) / 100.0, amount), exact % 100 != 0};
}

void FormatPolishAmount(char* text, std::size_t room, double amount, int decimals) {
    std::snprintf(text, room, "%.*f", decimals, amount);
    if (char* point = std::strchr(text, '.')) *point = ',';
}

}  // namespace klarvo::exporting
