// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// The mean Feret diameter of an a x b rectangle, averaged over random orientations.
namespace feret {

// Degrees to radians with the 12-digit value of pi the course uses, not the full double.
inline constexpr double kRadiansPerDegree = 3.14159265359 / 180;

// The projected width a*cos(theta) + b*sin(theta) for one draw r in [0, 1), with
// theta = r * 90 degrees held in single precision. sin(theta) is taken as cos(90 - theta),
// with 90 - theta also formed in single precision, so that results agree to the last digit
// with the values students work out by hand in class, which round theta the same way.
double trialWidth(double a, double b, float r);

// What a typed count asks for. Only a whole number of trials gives a mean of that many
// trials, and above 2^53 a double no longer tells a count from the next one.
enum class Count { Whole, Zero, NotWhole, TooLarge };
inline constexpr double kMostTrials = 0x1p53;
Count classifyCount(double n);

// The mean of trialWidth over n trials. Before each trial keepGoing() is asked; once it
// answers false the run is abandoned and nullopt returned. The mean may be infinite or
// NaN when a or b is huge.
std::optional<double> meanWidth(
    double a, double b, std::uint64_t n, const std::function<float()>& draw, const std::function<bool()>& keepGoing);

// What the runs estimate, for checking them: the exact mean over all orientations,
// 2(a + b)/pi, and the standard error of the mean of n trials, sigma/sqrt(n), with
// sigma^2 = (a^2 + b^2)/2 + 2ab/pi - (2(a + b)/pi)^2. Both use pi to full precision.
// The standard error is NaN for fewer than one trial.
double exactMean(double a, double b);
double standardError(double a, double b, double n);

} // namespace feret
