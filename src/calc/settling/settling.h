// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

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

// Beyond Stokes' law the drag grows faster than the velocity. The Schiller-Naumann drag
// coefficient C_D = 24/Re (1 + 0.15 Re^0.687) holds up to about this Reynolds number; beyond
// it the drag coefficient stays near the Newton-regime value.
inline constexpr double kSchillerNaumannReynoldsLimit = 800;
inline constexpr double kNewtonDragCoefficient = 0.44;

struct DragVelocity {
    double velocity; // cm/s, negative for a particle rising through the liquid
    double reynolds;
    bool approximate; // Re beyond the Schiller-Naumann range: the Newton-regime estimate
};

// The terminal velocity where drag and net weight balance with the drag coefficient above,
// in the units of stokesVelocity. Nothing for a diameter, liquid density or viscosity that
// is not positive, for a value that is not finite, and where the iteration does not settle:
// no figure is better than a wrong one.
std::optional<DragVelocity> dragVelocity(
    double diameter, double particleDensity, double liquidDensity, double viscosity, double gravity);

// The diameter (cm) whose Stokes velocity gives Re = kStokesReynoldsLimit in this liquid;
// Stokes' law holds for smaller particles. Nothing where no diameter does (no net weight).
std::optional<double> largestStokesDiameter(
    double particleDensity, double liquidDensity, double viscosity, double gravity);

} // namespace settling
