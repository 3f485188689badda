// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/settling/settling.h"

#include <cmath>

namespace settling {

double stokesVelocity(double diameter, double particleDensity, double liquidDensity, double viscosity, double gravity)
{
    const double densityDifference = particleDensity - liquidDensity;
    const double drivingForce = gravity * densityDifference;
    const double diameterSquared = std::pow(diameter, 2);
    const double numerator = diameterSquared * drivingForce;
    const double denominator = viscosity * 18;
    return numerator / denominator;
}

double reynoldsNumber(double diameter, double velocity, double liquidDensity, double viscosity)
{
    return std::abs(liquidDensity * velocity * diameter / viscosity);
}

} // namespace settling
