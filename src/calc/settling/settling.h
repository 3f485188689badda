// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The terminal velocity of a small sphere settling in a liquid, by Stokes' law, in CGS units.
namespace settling {

// Typed diameters are in micrometres; the formula wants centimetres.
inline constexpr double kMicrometresPerCentimetre = 10000;

// v = d^2 g (particleDensity - liquidDensity) / (18 viscosity) in cm/s, for d in cm,
// densities in g/cm3, viscosity in g/(cm s) and gravity in cm/s2. The operations are done
// in the order students evaluate the formula by hand, so that results agree with theirs to
// the last digit. Not finite when the viscosity is 0 or an intermediate overflows.
double stokesVelocity(double diameter, double particleDensity, double liquidDensity, double viscosity, double gravity);

// Stokes' law holds for a particle Reynolds number below this limit, the one JIS Z 8820-1
// and ISO 13317 use for sedimentation analysis; above it the true velocity is lower.
inline constexpr double kStokesReynoldsLimit = 0.25;

// Re = liquidDensity |v| d / viscosity, in the same CGS units as above.
double reynoldsNumber(double diameter, double velocity, double liquidDensity, double viscosity);

} // namespace settling
