// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/form.h"
#include "ui/layout.h"

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

extern const ui::FormLayout Form4;

// A new sphere-division window with its initial texts, its handlers connected.
ui::Form* createForm4();

} // namespace sphere
