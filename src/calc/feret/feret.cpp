#include "calc/feret/feret.h"

#include <cmath>

namespace feret {

double trialWidth(double a, double b, float r)
{
    // Both are exact in double and rounded once to single, the same on every FPU.
    const auto theta = static_cast<float>(static_cast<double>(r) * 90.0);
    const auto complement = static_cast<float>(90.0 - static_cast<double>(theta));
    return a * std::cos(static_cast<double>(theta) * kRadiansPerDegree)
        + b * std::cos(static_cast<double>(complement) * kRadiansPerDegree);
}

std::optional<double> meanWidth(
    double a, double b, double n, const std::function<float()>& draw, const std::function<bool()>& keepGoing)
{
    double sum = 0;
    // A double counter: n may be fractional or beyond any integer type.
    for (double trial = 1; trial <= n; trial += 1) {
        if (!keepGoing())
            return std::nullopt;
        sum += trialWidth(a, b, draw());
    }
    return sum / n;
}

} // namespace feret
