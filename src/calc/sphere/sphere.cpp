// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/sphere/sphere.h"

#include <cmath>

namespace sphere {
namespace {

// The volume of one piece times 6/pi: its diameter cubed.
double pieceDiameterCubed(double volume, double divisions) { return (6 * volume) / (kPi * pieceCount(divisions)); }

} // namespace

InitialValues initialValues(double diameter)
{
    const double volume = (std::pow(diameter, 3) * kPi) / 6;
    const double surface = std::pow(diameter, 2) * kPi;
    return {volume, surface};
}

double pieceCount(double divisions) { return std::pow(2.0, divisions); }

Division divide(double volume, double divisions)
{
    const double pieceDiameter = std::pow(pieceDiameterCubed(volume, divisions), 1.0 / 3.0);
    const double pieceSurface = kPi * std::pow(pieceDiameterCubed(volume, divisions), 2.0 / 3.0);
    const double totalSurface = pieceCount(divisions) * pieceSurface;
    return {pieceDiameter, pieceSurface, totalSurface};
}

double surfaceRatio(double divisions) { return std::pow(2.0, divisions / 3); }

} // namespace sphere
