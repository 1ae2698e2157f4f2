#include "rules/calculator/choked_flow_ratio.h"

#include <cmath>

namespace tarvek {

std::optional<double> chokedFlowRatio(float k) {
    const double ratio = k;
    if (ratio == 1) return std::nullopt;
    const double critical = std::pow(2 / (ratio + 1), ratio / (ratio - 1));
    if (!std::isfinite(critical)) return std::nullopt;
    return 1 - std::floor(critical * 1000) / 1000;
}

}  // namespace tarvek
