// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

// What every calculator window has in common.
namespace calc {

// Directly to the right of the menu, whose client area ends at 1995 + 3000 twips.
inline constexpr ui::Twips kCalculatorClient{4995, 1005, 6000, 6000};

// The font of the input fields and of most captions.
inline constexpr ui::Font kFieldFont{"ＭＳ Ｐゴシック", 15.75};

} // namespace calc
