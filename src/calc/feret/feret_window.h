// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"
#include "ui/layout.h"

namespace feret {

// The controls the handlers and the tests reach, named by what they hold or do. The strings
// are the object names of the window's table.
inline constexpr ui::ControlName kLength{"Text1"};     // a
inline constexpr ui::ControlName kWidth{"Text2"};      // b
inline constexpr ui::ControlName kTrialCount{"Text3"}; // n
inline constexpr ui::ControlName kRun{"Command1"};
inline constexpr ui::ControlName kResults{"RTB1"}; // one mean per run
inline constexpr ui::ControlName kClearResults{"Command3"};

extern const ui::FormLayout Form1;

// A new Feret-diameter window with its initial texts, its handlers connected.
ui::Form* createForm1();

} // namespace feret
