#pragma once

#include <functional>
#include <optional>

// The mean Feret diameter of an a x b rectangle, averaged over random orientations.
namespace feret {

// Degrees to radians with the 12-digit value of pi the course uses, not the full double.
inline constexpr double kRadiansPerDegree = 3.14159265359 / 180;

// The projected width a*cos(theta) + b*sin(theta) for one draw r in [0, 1), with
// theta = r * 90 degrees held in single precision. sin(theta) is taken as cos(90 - theta),
// with 90 - theta also formed in single precision, so that results match the hand-out.
double trialWidth(double a, double b, float r);

// Sums trialWidth over trials 1, 2, ... while the trial number does not exceed n, and
// divides by n itself (so a count of 2.5 makes two trials and divides by 2.5).
// Before each trial keepGoing() is asked; once it answers false the run is abandoned
// and nullopt returned. The mean may be infinite or NaN (n == 0, huge a or b).
std::optional<double> meanWidth(
    double a, double b, double n, const std::function<float()>& draw, const std::function<bool()>& keepGoing);

// What the runs estimate, for checking them: the exact mean over all orientations,
// 2(a + b)/pi, and the standard error of the mean of n trials, sigma/sqrt(n), with
// sigma^2 = (a^2 + b^2)/2 + 2ab/pi - (2(a + b)/pi)^2. Both use pi to full precision.
// The standard error is NaN for fewer than one trial.
double exactMean(double a, double b);
double standardError(double a, double b, double n);

} // namespace feret
