// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/feret/feret_window.h"

#include "calc/calculator_window.h"
#include "calc/feret/feret.h"
#include "calc/feret/uniform_source.h"
#include "calc/field_reader.h"
#include "numtext/numtext.h"
#include "ui/click_handler.h"

#include <cmath>
#include <cstdint>

namespace feret {
namespace {

using enum ui::Kind;
using calculator_window::FieldReader;
using calculator_window::kFieldFont;
using ui::Align;

constexpr ui::Font kSymbolFont{"Times New Roman", 15.75, true, ui::Charset::Western};
constexpr ui::Font kLogFont{"ＭＳ Ｐゴシック", 21.75};
constexpr ui::Rgb kLightGrey{224, 224, 224};

// clang-format off
constexpr ui::Control kControls[] = {
    // name         kind           caption           {left   top  width height}  font        align        colour  background
    {kLength,       TextBox,       "5",              {1200,  240, 1215,  450},   kFieldFont},
    {kWidth,        TextBox,       "2",              {1200,  840, 1215,  450},   kFieldFont},
    {kTrialCount,   TextBox,       "",               {1200, 1440, 1215,  450},   kFieldFont},
    {"Label1",      Label,         "a",              { 960,  300,  255,  375},   kSymbolFont},
    {"Label2",      Label,         "b",              { 960,  920,  255,  375},   kSymbolFont},
    {"Label3",      Label,         "n",              { 960, 1440,  495,  375},   kSymbolFont},
    {kRun,          CommandButton, "計算実行",       { 240, 2040, 2175,  735}},
    {kResults,      RichTextBox,   "",               {2520,  240, 3255, 5535},   kLogFont,   Align::Left, {},     kLightGrey},
    {kClearResults, CommandButton, "計算結果クリア", { 240, 2880, 2175,  495}},
    {"Label4",      Label,         "長さ",           { 240,  320,  615,  375},   kFieldFont, Align::Right},
    {"Label5",      Label,         "幅",             { 240,  920,  615,  375},   kFieldFont, Align::Right},
};
// clang-format on

constexpr std::string_view kMeanPattern = "0.0000000";
constexpr std::string_view kCountSymbol = "n"; // as messages and the chart name the trial count

constexpr ui::ChartLayout kChart{
    .log = kResults,
    .caption = "収束の様子",
    .command = "グラフを表示",
    .countSymbol = kCountSymbol,
    .countTitle = "試行回数 n (回)",
    .meanTitle = "平均定方向径 (a, b の単位)",
    .runTitle = "各回の平均",
    .exactTitle = "厳密な平均 2(a+b)/π",
    .bandTitle = "± 2σ/√n",
    .meanPattern = kMeanPattern,
    .noRuns = "まだ計算結果がありません。「計算実行」で点が加わります。",
};

// The mean the runs approach, for the a and b typed now.
std::string exactMeanNote(const ui::Form& form)
{
    const numtext::Number a = numtext::strictCoerce(form.text(kLength));
    const numtext::Number b = numtext::strictCoerce(form.text(kWidth));
    const std::string mean = a.ok() && b.ok() ? numtext::fixedDecimal(exactMean(a.value, b.value), kMeanPattern) : "";
    return mean.empty() ? "" : "いまの a, b での厳密な平均 2(a+b)/π = " + mean;
}

// clang-format off
constexpr ui::Description kDescriptions[] = {
    // name       in messages   spoken name   tip                                                    Enter presses live line
    {kLength,     "長さ a",     "長さ a",     "長方形の長さ a (b と同じ長さの単位)",                 kRun.name},
    {kWidth,      "幅 b",       "幅 b",       "長方形の幅 b (a と同じ長さの単位)",                   kRun.name},
    {kTrialCount, kCountSymbol, "試行回数 n", "向きを無作為に変えて幅を測る回数 n (回)",             kRun.name},
    {kResults,    {},           "計算結果",   "計算ごとに平均定方向径を 1 行追加 (a, b と同じ単位)", {},           exactMeanNote},
};
// clang-format on

// How far the last run's mean may stray from the exact one by chance alone.
std::string standardErrorNote(double a, double b, double n)
{
    const std::string error = numtext::fixedDecimal(standardError(a, b, n), kMeanPattern);
    if (error.empty())
        return "";
    return "前回の計算 (n = " + numtext::generalFormat(n) + ") の標準誤差 σ/√n = " + error;
}

void appendMeanDiameter(ui::Form& form)
{
    if (form.text(kTrialCount).empty())
        return form.refuse(message::kNoTrialCount);
    if (form.text(kTrialCount) == "0")
        return form.refuse(message::kZeroTrials);
    FieldReader read(form, numtext::strictCoerce);
    const double a = read(kLength);
    const double b = read(kWidth);
    const double n = read(kTrialCount);
    if (read.problem())
        return form.refuse(*read.problem());
    switch (classifyCount(n)) {
    case Count::Whole: break;
    case Count::Zero: return form.refuse(message::kZeroTrials); // also "00", "0.0", " 0"
    case Count::NotWhole: return form.refuse(message::kTrialCountNotWhole);
    case Count::TooLarge:
        return form.refuse(calculator_window::problemMessage(
            form.description(kTrialCount).displayName, calculator_window::FieldProblem::TooLarge));
    }
    const auto trials = static_cast<std::uint64_t>(n);

    const auto mean = meanWidth(
        a, b, trials, [] { return processUniformSource().next(); }, [&form] { return form.yieldToEvents(); });
    if (!mean)
        return; // the window was closed during the run
    if (!std::isfinite(*mean))
        return form.refuse(message::kSidesTooLarge);
    form.appendLine(kResults, numtext::fixedDecimal(*mean, kMeanPattern));
    form.setNote(kResults, standardErrorNote(a, b, n));
    const ui::ChartSeries series{"a = " + numtext::generalFormat(a) + ", b = " + numtext::generalFormat(b),
        exactMean(a, b), standardError(a, b, 1)};
    form.plot(kResults, series, {n, *mean});
}

void clearResults(ui::Form& form) { form.clear(kResults); }

// Each run yields once per trial, and a click or Enter during a run starts another inside
// it. Eight nested runs are plenty for comparing runs and keep the stack small everywhere.
constexpr int kMostNestedRuns = 8;

constexpr ui::ClickHandler kHandlers[] = {
    {kRun, appendMeanDiameter, kMostNestedRuns},
    {kClearResults, clearResults},
};

} // namespace

const ui::FormLayout kWindow{
    "Form1", "定方向径計算", calculator_window::kClient, kControls, kDescriptions, "qrc:/help/feret.html", &kChart};

ui::Form* createWindow() { return ui::createForm(kWindow, kHandlers); }

} // namespace feret
