// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"
#include "ui/layout.h"

#include <string_view>

namespace feret {

// The controls the handlers and the tests reach, named by what they hold or do. The strings
// are the object names of the window's table.
inline constexpr ui::ControlName kLength{"Text1"};     // a
inline constexpr ui::ControlName kWidth{"Text2"};      // b
inline constexpr ui::ControlName kTrialCount{"Text3"}; // n
inline constexpr ui::ControlName kRun{"Command1"};
inline constexpr ui::ControlName kResults{"RTB1"}; // one mean per run
inline constexpr ui::ControlName kClearResults{"Command3"};

// What the window says when it cannot run, besides what it says of a field it cannot read.
namespace message {
inline constexpr std::string_view kNoTrialCount = "値が入力されていません。";
inline constexpr std::string_view kZeroTrials = "n=0では計算できません";
inline constexpr std::string_view kTrialCountNotWhole = "n は 1 以上の整数を入力してください。";
inline constexpr std::string_view kSidesTooLarge = "長さ a または幅 b が大きすぎて計算できません。";
inline constexpr std::string_view kAll[] = {kNoTrialCount, kZeroTrials, kTrialCountNotWhole, kSidesTooLarge};
} // namespace message

extern const ui::FormLayout kWindow;

// A new Feret-diameter window with its initial texts, its handlers connected.
ui::Form* createWindow();

} // namespace feret
