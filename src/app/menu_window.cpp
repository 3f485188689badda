// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/menu_window.h"

#include "ui/placement.h"

#include <QCloseEvent>
#include <QScreen>

#include <array>
#include <utility>

namespace app {
namespace {

using enum ui::Kind;
using ui::Align;

constexpr ui::Font kTitle{"HGP行書体", 21.75};
constexpr ui::Font kSubtitle{"ＭＳ ゴシック", 12};

// The title, the subtitle and 終了, then each calculator's option.
constexpr ui::Control kFixedControls[] = {
    // clang-format off
    // name    kind           caption               {left  top  width height}  font       align
    {"Label1", Label,         "化学工学概論",       {120,  120, 2775, 495},    kTitle,    Align::Center},
    {"Label2", Label,         "数値計算プログラム", {120,  720, 2775, 375},    kSubtitle, Align::Center},
    {kEnd,     CommandButton, "終了",               {720, 3840, 1575, 495}},
    // clang-format on
};

template <std::size_t... Fixed, std::size_t... Option>
constexpr auto withOptions(std::index_sequence<Fixed...>, std::index_sequence<Option...>)
{
    return std::array{kFixedControls[Fixed]..., kCalculators[Option].option...};
}
constexpr auto kControls = withOptions(
    std::make_index_sequence<std::size(kFixedControls)>(), std::make_index_sequence<std::size(kCalculators)>());

// Where the options and 終了 are, which no calculator may cover.
QRect choicesArea(const ui::Form& menu)
{
    QRect area = menu.control(kEnd)->geometry();
    for (const Calculator& calculator : kCalculators)
        area |= menu.control(calculator.option.name)->geometry();
    return area;
}

} // namespace

const ui::FormLayout kMenuWindow{"Form2", "Form2", {1995, 1005, 3000, 6000}, kControls, {}, "qrc:/help/menu.html"};

Menu::Menu()
    : ui::Form(kMenuWindow),
      navigator_(*this, choicesArea(*this))
{
    // Its table's place, unless that reaches past the screen, as on a small or scaled one.
    // The frame is not drawn yet: the client rectangle stands for it.
    const QRect onScreen = ui::fitInto(geometry(), screen()->availableGeometry());
    if (onScreen != geometry())
        move(onScreen.topLeft());
    for (const Calculator& calculator : kCalculators)
        onClick(calculator.option.name, [this, &calculator] { navigator_.open(calculator); });
    onClick(kEnd, [] { end(); });
}

// A calculator left without its menu could not be ended but one window at a time, and a
// long run in it would go on unseen: closing the menu ends the program as 終了 does.
void Menu::closeEvent(QCloseEvent* event)
{
    ui::Form::closeEvent(event);
    if (event->isAccepted())
        end();
}

} // namespace app
