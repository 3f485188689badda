// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"
#include "ui/layout.h"

namespace settling {

// The controls the handler and the tests reach, named by what they hold. The strings are the
// object names of the window's table.
inline constexpr ui::ControlName kDiameter{"Text1"}; // μm
inline constexpr ui::ControlName kParticleDensity{"Text2"};
inline constexpr ui::ControlName kLiquidDensity{"Text3"};
inline constexpr ui::ControlName kViscosity{"Text4"};
inline constexpr ui::ControlName kGravity{"Text5"};
inline constexpr ui::ControlName kCompute{"Command1"};
inline constexpr ui::ControlName kVelocity{"Label2"};

extern const ui::FormLayout Form3;

// A new settling-velocity window with its initial texts, its handler connected.
ui::Form* createForm3();

} // namespace settling
