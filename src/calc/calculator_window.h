// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

#include <string_view>

// What every calculator window has in common.
namespace calculator_window {

// Directly to the right of the menu, whose client area ends at 1995 + 3000 twips.
inline constexpr ui::Twips kClient{4995, 1005, 6000, 6000};

// The font of the input fields and of most captions.
inline constexpr ui::Font kFieldFont{"ＭＳ Ｐゴシック", 15.75};

namespace message {
// The result would not fit in a double.
inline constexpr std::string_view kValuesTooLarge = "値が大きすぎて計算できません。";
} // namespace message

} // namespace calculator_window
