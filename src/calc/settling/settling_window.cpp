// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/settling/settling_window.h"

#include "calc/calculator_window.h"
#include "calc/field_reader.h"
#include "calc/settling/settling.h"
#include "numtext/numtext.h"
#include "ui/click_handler.h"

#include <cmath>
#include <optional>

namespace settling {
namespace {

using enum ui::Kind;
using calculator_window::FieldReader;
using calculator_window::kFieldFont;
using ui::Align;

constexpr ui::Font kVelocityFont{"ＭＳ Ｐゴシック", 21.75};
constexpr ui::Rgb kLightRed{255, 128, 128};

// clang-format off
constexpr ui::Control kControls[] = {
    // name            kind           caption       {left   top  width height}  font           align          colour
    {kDiameter,        TextBox,       "",           {2880,  240, 1215,  450},   kFieldFont},
    {kParticleDensity, TextBox,       "",           {2880,  720, 1215,  450},   kFieldFont},
    {kLiquidDensity,   TextBox,       "",           {2880, 1200, 1215,  450},   kFieldFont},
    {kViscosity,       TextBox,       "",           {2880, 1680, 1215,  450},   kFieldFont},
    {kGravity,         TextBox,       "980",        {2880, 2160, 1215,  450},   kFieldFont},
    {{"Label1", 0},    Label,         "紛体直径",   { 960,  240, 1455,  375},   kFieldFont,    Align::Right},
    {{"Label1", 1},    Label,         "紛体密度",   { 960,  720, 1455,  375},   kFieldFont,    Align::Right},
    {{"Label1", 2},    Label,         "液体密度",   { 960, 1200, 1455,  375},   kFieldFont,    Align::Right},
    {{"Label1", 3},    Label,         "粘度",       { 960, 1680, 1455,  375},   kFieldFont,    Align::Right},
    {{"Label1", 4},    Label,         "重力加速度", { 600, 2160, 1815,  375},   kFieldFont,    Align::Right},
    {{"Label1", 5},    Label,         "μm",         {4200,  360,  735,  375},   kFieldFont},
    {kCompute,         CommandButton, "計算",       { 960, 3120, 3855,  735}},
    {kVelocity,        Label,         "",           { 960, 4080, 3855,  615},   kVelocityFont, Align::Center, kLightRed},
    {{"Label1", 6},    Label,         "g/cm",       {4200,  840,  735,  375},   kFieldFont},
    {{"Label3", 0},    Label,         "3",          {4920,  840,  255,  375}},
    {{"Label1", 7},    Label,         "g/cm",       {4200, 1320,  735,  375},   kFieldFont},
    {{"Label3", 1},    Label,         "3",          {4920, 1320,  255,  375}},
    {{"Label1", 8},    Label,         "g/cm･s",     {4200, 1800,  735,  375},   kFieldFont},
    {{"Label1", 9},    Label,         "cm/s",       {4200, 2280,  735,  375},   kFieldFont},
    {{"Label3", 2},    Label,         "2",          {4920, 2280,  255,  375}},
};
// clang-format on

// The typed diameter in the unit the formula uses.
std::string centimetresNote(const ui::Form& form)
{
    const numtext::Number diameter = numtext::lenientParse(form.text(kDiameter));
    if (form.text(kDiameter).empty() || !diameter.ok())
        return "";
    return numtext::generalFormat(diameter.value)
        + " μm = " + numtext::generalFormat(diameter.value / kMicrometresPerCentimetre) + " cm";
}

// clang-format off
constexpr ui::Description kDescriptions[] = {
    // name            in messages   spoken name           tip                                                  Enter presses  live line
    {kDiameter,        "紛体直径",   "紛体直径 (μm)",      "粒子の直径 d (μm)",                                 kCompute.name, centimetresNote},
    {kParticleDensity, "紛体密度",   "紛体密度 (g/cm³)",   "粒子の密度 ρp (g/cm³)",                             kCompute.name},
    {kLiquidDensity,   "液体密度",   "液体密度 (g/cm³)",   "液体の密度 ρf (g/cm³)",                             kCompute.name},
    {kViscosity,       "粘度",       "粘度 (g/cm･s)",      "液体の粘度 μ (g/cm･s、ポアズ)。20 ℃ の水で約 0.01", kCompute.name},
    {kGravity,         "重力加速度", "重力加速度 (cm/s²)", "重力加速度 g (cm/s²)",                              kCompute.name},
    {kVelocity,        {},           "沈降速度 (cm/s)",    "ストークスの式による沈降速度 v (cm/s)。負は浮上"},
};
// clang-format on

// What the velocity would be with the drag of a particle too large for Stokes' law, and up to
// which size that law holds in this liquid. Each line only where its figure could be found.
std::string beyondStokesLines(
    double diameter, double particleDensity, double liquidDensity, double viscosity, double gravity)
{
    std::string lines;
    if (const std::optional<DragVelocity> drag
        = dragVelocity(diameter, particleDensity, liquidDensity, viscosity, gravity)) {
        const std::string velocity = numtext::fixedDecimal(drag->velocity, "0.00000") + " cm/s";
        const std::string re = numtext::fixedDecimal(drag->reynolds, "0.00");
        if (drag->approximate) {
            lines += "\nRe が約 " + numtext::generalFormat(kSchillerNaumannReynoldsLimit)
                + " を超え、シラー・ナウマンの式の範囲外です。\nニュートン域 (C_D ≈ "
                + numtext::generalFormat(kNewtonDragCoefficient) + ") の概算値 v ≈ " + velocity + " (Re ≈ " + re + ")";
        } else {
            lines += "\nシラー・ナウマンの抵抗係数 C_D = 24/Re·(1 + 0.15 Re^0.687) による沈降速度 v = " + velocity
                + " (Re = " + re + ")";
        }
    }
    if (const std::optional<double> largest
        = largestStokesDiameter(particleDensity, liquidDensity, viscosity, gravity)) {
        lines += "\nこの液体でストークスの式が成り立つ最大の直径 (Re = " + numtext::generalFormat(kStokesReynoldsLimit)
            + ") は " + numtext::fixedDecimal(*largest * kMicrometresPerCentimetre, "0.0") + " μm";
    }
    return lines;
}

// Whether Stokes' law holds for the velocity just found, and if not, what holds instead.
std::string reynoldsNote(
    double diameter, double particleDensity, double liquidDensity, double viscosity, double gravity, double velocity)
{
    const double re = reynoldsNumber(diameter, velocity, liquidDensity, viscosity);
    if (!std::isfinite(re))
        return "";
    const std::string number = "粒子レイノルズ数 Re = ρf·v·d/μ = " + numtext::generalFormat(re) + "\n";
    const std::string source
        = " (JIS Z 8820-1、ISO 13317 の適用範囲 Re < " + numtext::generalFormat(kStokesReynoldsLimit) + ")";
    if (re < kStokesReynoldsLimit)
        return number + "ストークスの式が成り立つ範囲です" + source;
    return number + "ストークスの式の範囲外です" + source + "。\n実際の沈降速度はこの値より小さくなります。"
        + beyondStokesLines(diameter, particleDensity, liquidDensity, viscosity, gravity);
}

// No velocity is better than an old one beside new inputs.
constexpr ui::ControlName kResults[] = {kVelocity};

void computeVelocity(ui::Form& form)
{
    for (const ui::ControlName field : {kDiameter, kParticleDensity, kLiquidDensity, kViscosity, kGravity}) {
        if (form.text(field).empty())
            return;
    }
    FieldReader read(form, numtext::lenientParse);
    const double particleDensity = read(kParticleDensity);
    const double liquidDensity = read(kLiquidDensity);
    const double viscosity = read(kViscosity);
    const double gravity = read(kGravity);
    const double diameter = read(kDiameter) / kMicrometresPerCentimetre;
    if (read.problem())
        return form.refuse(*read.problem(), kResults);
    if (viscosity == 0)
        return form.refuse(message::kZeroViscosity, kResults);
    // A liquid has no negative viscosity; the formula would turn a settling particle round.
    if (viscosity < 0)
        return form.refuse(message::kNegativeViscosity, kResults);

    const double velocity = stokesVelocity(diameter, particleDensity, liquidDensity, viscosity, gravity);
    if (!std::isfinite(velocity))
        return form.refuse(message::kValuesTooLarge, kResults);
    form.setCaption(kVelocity, numtext::fixedDecimal(velocity, "0.00000"));
    form.setNote(kVelocity, reynoldsNote(diameter, particleDensity, liquidDensity, viscosity, gravity, velocity));
}

constexpr ui::ClickHandler kHandlers[] = {
    {kCompute, computeVelocity},
};

} // namespace

const ui::FormLayout kWindow{
    "Form3", "沈降速度", calculator_window::kClient, kControls, kDescriptions, "qrc:/help/settling.html"};

ui::Form* createWindow() { return ui::createForm(kWindow, kHandlers); }

} // namespace settling
