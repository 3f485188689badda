// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/sphere/sphere_window.h"

#include "calc/calculator_window.h"
#include "calc/field_reader.h"
#include "calc/sphere/sphere.h"
#include "numtext/numtext.h"
#include "ui/click_handler.h"

#include <cmath>

namespace sphere {
namespace {

using enum ui::Kind;
using calculator_window::FieldReader;
using calculator_window::kFieldFont;
using ui::Align;

constexpr ui::Font kSymbolFont{"Times New Roman", 18, true, ui::Charset::Western};
constexpr ui::Font kSubscriptFont{"Times New Roman", 14.25, true, ui::Charset::Western};
constexpr ui::Font kSmallButtonFont{"ＭＳ Ｐゴシック", 8.25};

// clang-format off
constexpr ui::Control kControls[] = {
    // name            kind           caption              {left   top  width height}  font        align
    {{"Label1", 0},    Label,         "初期直径",          {1560,  240, 1335,  375},   kFieldFont},
    {kInitialDiameter, TextBox,       "",                  {3240,  240, 1215,  375},   kFieldFont},
    {kComputeInitial,  CommandButton, "初期値計算(設定)",  {1560,  720, 2895,  495}},
    {kDivide,          CommandButton, "計算",              {2280, 3000, 1575,  495}},
    {{"Label2", 0},    Label,         "d",                 {2880,  240,  375,  375},   kSymbolFont},
    {{"Label1", 1},    Label,         "初期表面積",        {2880, 1680, 1575,  375},   kFieldFont},
    {{"Label1", 2},    Label,         "初期体積",          { 120, 1680, 1335,  375},   kFieldFont},
    {kInitialVolume,   TextBox,       "",                  {1560, 1680, 1215,  375},   kFieldFont},
    {kInitialSurface,  TextBox,       "",                  {4560, 1680, 1215,  375},   kFieldFont},
    {{"Label1", 3},    Label,         "↓",                 {2280, 1200, 1575,  375},   kFieldFont, Align::Center},
    {{"Label1", 4},    Label,         "↓",                 {2280, 2160, 1575,  375},   kFieldFont, Align::Center},
    {kDivisionCount,   TextBox,       "",                  {2280, 2520,  615,  375},   kFieldFont},
    {{"Label1", 5},    Label,         "回分割",            {2880, 2520,  975,  375},   kFieldFont},
    {{"Label1", 6},    Label,         "↓",                 {2280, 3480, 1575,  375},   kFieldFont, Align::Center},
    {{"Label1", 7},    Label,         "分割後直径",        {1200, 3840, 1695,  375},   kFieldFont, Align::Right},
    {{"Label1", 8},    Label,         "1個当たりの表面積", { 240, 4320, 2655,  375},   kFieldFont, Align::Right},
    {{"Label1", 9},    Label,         "総表面積",          {1200, 4800, 1695,  375},   kFieldFont, Align::Right},
    {kPieceDiameter,   TextBox,       "",                  {3480, 3840, 1215,  375},   kFieldFont},
    {kPieceSurface,    TextBox,       "",                  {3480, 4320, 1215,  375},   kFieldFont},
    {kTotalSurface,    TextBox,       "",                  {3480, 4800, 1215,  375},   kFieldFont},
    {{"Label2", 1},    Label,         "d",                 {3000, 3840,  375,  375},   kSymbolFont},
    {{"Label2", 2},    Label,         "S",                 {3000, 4320,  375,  375},   kSymbolFont},
    {{"Label2", 3},    Label,         "S",                 {3000, 4800,  375,  375},   kSymbolFont},
    {{"Label2", 4},    Label,         "n",                 {3220, 3960,  375,  375},   kSubscriptFont},
    {{"Label2", 5},    Label,         "n",                 {3220, 4440,  375,  375},   kSubscriptFont},
    {kClearAll,        CommandButton, "数値クリア",        {2640, 5520,  975,  255},   kSmallButtonFont},
};

constexpr ui::Description kDescriptions[] = {
    // name            in messages  spoken name             tip                                                 Enter presses
    {kInitialDiameter, "初期直径",  "初期直径 d",           "分割する前の球の直径 d (長さの単位は自由)",        kComputeInitial.name},
    {kInitialVolume,   "初期体積",  "初期体積",             "分割する前の球の体積 3.14·d³/6 (d の単位の 3 乗)", kDivide.name},
    {kInitialSurface,  {},          "初期表面積",           "分割する前の球の表面積 3.14·d² (d の単位の 2 乗)"},
    {kDivisionCount,   "分割回数",  "分割回数 (回)",        "球を半分の体積に分ける回数 N。N 回で 2^N 個",      kDivide.name},
    {kPieceDiameter,   {},          "分割後直径 dn",        "分割後の球 1 個の直径 (d と同じ単位)"},
    {kPieceSurface,    {},          "1個当たりの表面積 Sn", "分割後の球 1 個の表面積 (d の単位の 2 乗)"},
    {kTotalSurface,    {},          "総表面積 S",           "分割後の球すべての表面積の和 (d の単位の 2 乗)"},
};
// clang-format on

// A failed step shows none of its results rather than some.
constexpr ui::ControlName kInitialValues[] = {kInitialVolume, kInitialSurface};
constexpr ui::ControlName kDivisionResults[] = {kPieceDiameter, kPieceSurface, kTotalSurface};

// Initial volume and surface from the diameter.
void computeInitialValues(ui::Form& form)
{
    if (form.text(kInitialDiameter).empty())
        return;
    FieldReader read(form, numtext::lenientParse);
    const double diameter = read(kInitialDiameter);
    if (read.problem())
        return form.refuse(*read.problem(), kInitialValues);
    // Its volume would be negative, and step 2 would refuse it only later.
    if (diameter < 0)
        return form.refuse(message::kNegativeDiameter, kInitialValues);

    const InitialValues initial = initialValues(diameter);
    if (!std::isfinite(initial.volume) || !std::isfinite(initial.surface))
        return form.refuse(message::kDiameterTooLarge, kInitialValues);
    form.setText(kInitialVolume, numtext::generalFormat(initial.volume));
    form.setText(kInitialSurface, numtext::generalFormat(initial.surface));
}

// The pieces after dividing the sphere of the initial volume N times.
void divideSphere(ui::Form& form)
{
    if (form.text(kInitialVolume).empty() || form.text(kDivisionCount).empty())
        return;
    FieldReader read(form, numtext::lenientParse);
    const double volume = read(kInitialVolume);
    const double divisions = read(kDivisionCount);
    if (read.problem())
        return form.refuse(*read.problem(), kDivisionResults);
    if (volume < 0)
        return form.refuse(message::kNegativeVolume, kDivisionResults);
    const double pieces = pieceCount(divisions);
    if (std::isinf(pieces))
        return form.refuse(message::kTooManyDivisions, kDivisionResults);
    if (pieces == 0)
        return form.refuse(message::kTooFewDivisions, kDivisionResults);

    const Division division = divide(volume, divisions);
    if (!std::isfinite(division.pieceDiameter) || !std::isfinite(division.pieceSurface)
        || !std::isfinite(division.totalSurface))
        return form.refuse(message::kValuesTooLarge, kDivisionResults);
    form.setText(kPieceDiameter, numtext::generalFormat(division.pieceDiameter));
    form.setText(kPieceSurface, numtext::generalFormat(division.pieceSurface));
    form.setText(kTotalSurface, numtext::generalFormat(division.totalSurface));
    form.setNote(kTotalSurface, "初期表面積の 2^(N/3) = " + numtext::generalFormat(surfaceRatio(divisions)) + " 倍");
}

void clearAll(ui::Form& form)
{
    for (const ui::ControlName field : {kInitialDiameter, kInitialVolume, kInitialSurface, kDivisionCount,
             kPieceDiameter, kPieceSurface, kTotalSurface})
        form.clear(field);
}

constexpr ui::ClickHandler kHandlers[] = {
    {kComputeInitial, computeInitialValues},
    {kDivide, divideSphere},
    {kClearAll, clearAll},
};

} // namespace

const ui::FormLayout kWindow{
    "Form4", "Form4", calculator_window::kClient, kControls, kDescriptions, "qrc:/help/sphere.html"};

ui::Form* createWindow() { return ui::createForm(kWindow, kHandlers); }

} // namespace sphere
