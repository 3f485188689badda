// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A sphere divided N times into halves: 2^N equal spheres of the same total volume, and how
// their surface grows. Pi is 3.14 throughout, the value students calculate with in class, so
// that results come out as the round figures they find by hand (3.14, 0.785, 6.28).
namespace sphere {

inline constexpr double kPi = 3.14;

struct InitialValues {
    double volume;  // pi D^3 / 6
    double surface; // pi D^2
};

// Not finite when D^3 overflows.
InitialValues initialValues(double diameter);

// 2^divisions: infinite when divisions is too large, 0 when it is too far below zero.
double pieceCount(double divisions);

struct Division {
    double pieceDiameter;
    double pieceSurface;
    double totalSurface;
};

// The pieces after dividing a sphere of the given volume; divisions need not be whole and
// may be negative (spheres merged). Not finite for a negative volume (a fractional power
// of a negative number), a piece count of 0 or infinity, or an overflow.
Division divide(double volume, double divisions);

// The total surface after the division over the initial surface: 2^(divisions / 3).
double surfaceRatio(double divisions);

} // namespace sphere
