// The valve's choked flow ratio Xt from the gas's ratio of specific heats k: one less the
// critical pressure ratio (2 / (k + 1)) ^ (k / (k - 1)), that ratio cut to three decimals.
#pragma once

#include <optional>

namespace tarvek {

// No ratio for k = 1 (the exponent is undefined) or where the critical pressure ratio
// is not a real number; the caller then keeps the Xt it has.
std::optional<double> chokedFlowRatio(float k);

}  // namespace tarvek
