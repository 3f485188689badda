// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/feret/feret.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace feret {

double trialWidth(double a, double b, float r)
{
    // Both are exact in double and rounded once to single, the same on every FPU.
    const auto theta = static_cast<float>(static_cast<double>(r) * 90.0);
    const auto complement = static_cast<float>(90.0 - static_cast<double>(theta));
    return a * std::cos(static_cast<double>(theta) * kRadiansPerDegree)
        + b * std::cos(static_cast<double>(complement) * kRadiansPerDegree);
}

Count classifyCount(double n)
{
    if (n == 0)
        return Count::Zero;
    if (!(n >= 1) || n != std::floor(n))
        return Count::NotWhole;
    return n > kMostTrials ? Count::TooLarge : Count::Whole;
}

std::optional<double> meanWidth(
    double a, double b, std::uint64_t n, const std::function<float()>& draw, const std::function<bool()>& keepGoing)
{
    double sum = 0;
    for (std::uint64_t trial = 0; trial < n; ++trial) {
        if (!keepGoing())
            return std::nullopt;
        sum += trialWidth(a, b, draw());
    }
    return sum / static_cast<double>(n);
}

double exactMean(double a, double b) { return 2 * (a + b) / std::numbers::pi; }

double standardError(double a, double b, double n)
{
    if (!(n >= 1))
        return std::nan("");
    const double mean = exactMean(a, b);
    const double variance = (a * a + b * b) / 2 + 2 * a * b / std::numbers::pi - mean * mean;
    // Rounding can leave a tiny negative variance where it is 0 (a square, a = b = 0).
    return std::sqrt(std::max(variance, 0.0)) / std::sqrt(n);
}

} // namespace feret
