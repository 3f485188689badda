// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/calculator_window.h"
#include "ui/form.h"
#include "ui/layout.h"

#include <string_view>

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

// What the window says when it cannot calculate, besides what it says of a field it cannot read.
namespace message {
inline constexpr std::string_view kZeroViscosity = "粘度=0では計算できません。";
inline constexpr std::string_view kNegativeViscosity = "粘度が負の値では計算できません。";
using calculator_window::message::kValuesTooLarge;
inline constexpr std::string_view kAll[] = {kZeroViscosity, kNegativeViscosity, kValuesTooLarge};
} // namespace message

extern const ui::FormLayout kWindow;

// A new settling-velocity window with its initial texts, its handler connected.
ui::Form* createWindow();

} // namespace settling
