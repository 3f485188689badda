// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/feret/feret_window.h"
#include "calc/settling/settling_window.h"
#include "calc/sphere/sphere_window.h"
#include "ui/form.h"
#include "ui/layout.h"

#include <span>
#include <string_view>

// The calculators the menu opens: a new one needs its folder under calc/ and a row here.
namespace app {

// Choosing a calculator shows its window and closes the others. Either way one calculator is
// left open; the order decides whether two are open for a moment, and each option keeps the
// order it has always had.
enum class Opening { CloseOthersFirst, ShowFirst };

struct Calculator {
    ui::Control option;           // the menu's option that opens it, in the menu's tab order
    const ui::FormLayout* window; // its window's table
    ui::Form* (*create)();        // a new window with its handlers connected
    Opening opening;
    std::span<const std::string_view> messages; // what it says besides what it says of a field
};

inline constexpr ui::ControlName kSettlingVelocityOption{"Option1"};
inline constexpr ui::ControlName kFeretDiameterOption{"Option2"};
inline constexpr ui::ControlName kSphereDivisionOption{"Option3"};

// clang-format off
inline constexpr Calculator kCalculators[] = {
    // option: name         kind                    caption         {left  top  width height}
    //     window, factory, opening, messages
    {{kSettlingVelocityOption, ui::Kind::OptionButton, "沈降速度計算", {720, 1320, 1575, 495}},
        &settling::kWindow, settling::createWindow, Opening::CloseOthersFirst, settling::message::kAll},
    {{kFeretDiameterOption,    ui::Kind::OptionButton, "定方向径計算", {720, 1920, 1575, 495}},
        &feret::kWindow, feret::createWindow, Opening::ShowFirst, feret::message::kAll},
    {{kSphereDivisionOption,   ui::Kind::OptionButton, "球の分割",     {720, 2520, 1575, 495}},
        &sphere::kWindow, sphere::createWindow, Opening::ShowFirst, sphere::message::kAll},
};
// clang-format on

// The row of the calculator with that window.
const Calculator& calculatorWith(const ui::FormLayout& window);

} // namespace app
