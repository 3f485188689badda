// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/menu_window.h"

#include "ui/placement.h"

#include <QCloseEvent>
#include <QScreen>

namespace app {
namespace {

using enum ui::Kind;
using ui::Align;

constexpr ui::Font kTitle{"HGP行書体", 21.75};
constexpr ui::Font kSubtitle{"ＭＳ ゴシック", 12};

// clang-format off
constexpr ui::Control kControls[] = {
    // name     kind           caption             {left  top  width height}  font, align
    {"Label1",                Label,         "化学工学概論",      {120,  120, 2775, 495}, kTitle,    Align::Center},
    {"Label2",                Label,         "数値計算プログラム", {120,  720, 2775, 375}, kSubtitle, Align::Center},
    {kEnd,                    CommandButton, "終了",              {720, 3840, 1575, 495}},
    {kSettlingVelocityOption, OptionButton,  "沈降速度計算",      {720, 1320, 1575, 495}},
    {kFeretDiameterOption,    OptionButton,  "定方向径計算",      {720, 1920, 1575, 495}},
    {kSphereDivisionOption,   OptionButton,  "球の分割",          {720, 2520, 1575, 495}},
};
// clang-format on

// The first option closes before it shows; the other two show before they close.
void openSettlingVelocity(Navigator& nav)
{
    nav.close(Calculator::FeretDiameter);
    nav.close(Calculator::SphereDivision);
    nav.show(Calculator::SettlingVelocity);
}

void openFeretDiameter(Navigator& nav)
{
    nav.show(Calculator::FeretDiameter);
    nav.close(Calculator::SettlingVelocity);
    nav.close(Calculator::SphereDivision);
}

void openSphereDivision(Navigator& nav)
{
    nav.show(Calculator::SphereDivision);
    nav.close(Calculator::FeretDiameter);
    nav.close(Calculator::SettlingVelocity);
}

// Where the options and 終了 are, which no calculator may cover.
QRect choicesArea(const ui::Form& menu)
{
    QRect area;
    for (const ui::ControlName name : {kSettlingVelocityOption, kFeretDiameterOption, kSphereDivisionOption, kEnd})
        area |= menu.control(name)->geometry();
    return area;
}

} // namespace

const ui::FormLayout Form2{"Form2", "Form2", {1995, 1005, 3000, 6000}, kControls};

Menu::Menu()
    : ui::Form(Form2),
      navigator_(*this, choicesArea(*this))
{
    // Its table's place, unless that reaches past the screen, as on a small or scaled one.
    // The frame is not drawn yet: the client rectangle stands for it.
    const QRect onScreen = ui::fitInto(geometry(), screen()->availableGeometry());
    if (onScreen != geometry())
        move(onScreen.topLeft());
    onClick(kSettlingVelocityOption, [this] { openSettlingVelocity(navigator_); });
    onClick(kFeretDiameterOption, [this] { openFeretDiameter(navigator_); });
    onClick(kSphereDivisionOption, [this] { openSphereDivision(navigator_); });
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
