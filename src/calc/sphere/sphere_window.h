// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/calculator_window.h"
#include "ui/form.h"
#include "ui/layout.h"

#include <string_view>

namespace sphere {

// The controls the handlers and the tests reach, named by what they hold or do. The strings
// are the object names of the window's table.
inline constexpr ui::ControlName kInitialDiameter{"Text1"}; // d
inline constexpr ui::ControlName kInitialVolume{"Text2"};
inline constexpr ui::ControlName kInitialSurface{"Text3"};
inline constexpr ui::ControlName kDivisionCount{"Text4"}; // N
inline constexpr ui::ControlName kPieceDiameter{"Text5"}; // dn
inline constexpr ui::ControlName kPieceSurface{"Text6"};  // Sn
inline constexpr ui::ControlName kTotalSurface{"Text7"};  // S
inline constexpr ui::ControlName kComputeInitial{"Command1"};
inline constexpr ui::ControlName kDivide{"Command2"};
inline constexpr ui::ControlName kClearAll{"Command3"};

// What the window says when it cannot calculate, besides what it says of a field it cannot read.
namespace message {
inline constexpr std::string_view kNegativeDiameter = "初期直径が負の値では計算できません。";
inline constexpr std::string_view kDiameterTooLarge = "初期直径が大きすぎて計算できません。";
inline constexpr std::string_view kNegativeVolume = "初期体積が負の値では計算できません。";
inline constexpr std::string_view kTooManyDivisions = "分割回数が大きすぎて計算できません。";
inline constexpr std::string_view kTooFewDivisions = "分割回数が小さすぎて計算できません。";
using calculator_window::message::kValuesTooLarge;
inline constexpr std::string_view kAll[]
    = {kNegativeDiameter, kDiameterTooLarge, kNegativeVolume, kTooManyDivisions, kTooFewDivisions, kValuesTooLarge};
} // namespace message

extern const ui::FormLayout kWindow;

// A new sphere-division window with its initial texts, its handlers connected.
ui::Form* createWindow();

} // namespace sphere
