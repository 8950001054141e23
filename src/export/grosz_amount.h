#pragma once
// An amount as the import files book it: in whole grosze. The host holds its amounts in whole
// ten-thousandths of the currency unit and writes the plug-in's values with printf's "%.2f"; but
// half a grosz left in a value is written rounded to the even grosz by one C runtime (glibc,
// mingw-w64) and away from zero by another (Microsoft's), so that the same invoice would reach the
// books differently from two builds of the host. The plug-in rounds to whole grosze itself, half a
// grosz away from zero as the Polish rule for grosze does, and the user is told which amounts it
// rounded; an amount in whole grosze is written as it is.

#include <cstddef>

namespace klarvo::exporting {

struct GroszAmount {
    double value;  // the double nearest to the whole grosze, with the amount's sign
    bool rounded;  // the amount held a fraction of a grosz
};

GroszAmount InWholeGrosze(double amount);

// An amount as a Polish text: "-1234,5678" with `decimals` decimals after a comma.
void FormatPolishAmount(char* text, std::size_t room, double amount, int decimals);

}  // namespace klarvo::exporting
