#pragma once
// Number texts of the export files. They must not depend on the process locale: the desktop
// program runs with the user's locale, where printf("%f") may write a decimal comma.

#include <cstdint>
#include <string>

namespace vemora {

// The text printf("%.<decimals>f") gives in the "C" locale.
std::string FixedText(double value, int decimals);

// The text printf("%+.<decimals>f") gives in the "C" locale: a sign always.
std::string SignedFixedText(double value, int decimals);

} // namespace vemora
