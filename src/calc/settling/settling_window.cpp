#include "calc/settling/settling_window.h"

#include "calc/calculator_window.h"
#include "calc/field_reader.h"
#include "calc/settling/settling.h"
#include "numtext/numtext.h"

#include <cmath>

namespace settling {
namespace {

using enum ui::Kind;
using calc::kFieldFont;
using ui::Align;

constexpr ui::Font kVelocity{"ＭＳ Ｐゴシック", 21.75};
constexpr ui::Rgb kLightRed{255, 128, 128};

// clang-format off
constexpr ui::Control kControls[] = {
    // name         kind           caption       {left   top  width height}  font, align, colours
    {"Text1",        TextBox,       "",           {2880,  240, 1215,  450}, kFieldFont},
    {"Text2",        TextBox,       "",           {2880,  720, 1215,  450}, kFieldFont},
    {"Text3",        TextBox,       "",           {2880, 1200, 1215,  450}, kFieldFont},
    {"Text4",        TextBox,       "",           {2880, 1680, 1215,  450}, kFieldFont},
    {"Text5",        TextBox,       "980",        {2880, 2160, 1215,  450}, kFieldFont},
    {{"Label1", 0},  Label,         "紛体直径",   { 960,  240, 1455,  375}, kFieldFont, Align::Right},
    {{"Label1", 1},  Label,         "紛体密度",   { 960,  720, 1455,  375}, kFieldFont, Align::Right},
    {{"Label1", 2},  Label,         "液体密度",   { 960, 1200, 1455,  375}, kFieldFont, Align::Right},
    {{"Label1", 3},  Label,         "粘度",       { 960, 1680, 1455,  375}, kFieldFont, Align::Right},
    {{"Label1", 4},  Label,         "重力加速度", { 600, 2160, 1815,  375}, kFieldFont, Align::Right},
    {{"Label1", 5},  Label,         "μm",         {4200,  360,  735,  375}, kFieldFont},
    {"Command1",     CommandButton, "計算",       { 960, 3120, 3855,  735}},
    {"Label2",       Label,         "",           { 960, 4080, 3855,  615}, kVelocity, Align::Center, kLightRed},
    {{"Label1", 6},  Label,         "g/cm",       {4200,  840,  735,  375}, kFieldFont},
    {{"Label3", 0},  Label,         "3",          {4920,  840,  255,  375}},
    {{"Label1", 7},  Label,         "g/cm",       {4200, 1320,  735,  375}, kFieldFont},
    {{"Label3", 1},  Label,         "3",          {4920, 1320,  255,  375}},
    {{"Label1", 8},  Label,         "g/cm･s",     {4200, 1800,  735,  375}, kFieldFont},
    {{"Label1", 9},  Label,         "cm/s",       {4200, 2280,  735,  375}, kFieldFont},
    {{"Label3", 2},  Label,         "2",          {4920, 2280,  255,  375}},
};
// clang-format on

void Command1_Click(ui::Form& form)
{
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        if (form.text(field).empty())
            return;
    }
    // No velocity is better than an old one beside new inputs.
    const auto fail = [&form](std::string_view message) {
        form.setCaption("Label2", "");
        form.showMessage(message);
    };

    calc::FieldReader read(form, numtext::lenientParse);
    const double particleDensity = read("Text2", "紛体密度");
    const double liquidDensity = read("Text3", "液体密度");
    const double viscosity = read("Text4", "粘度");
    const double gravity = read("Text5", "重力加速度");
    const double diameter = read("Text1", "紛体直径") / kMicrometresPerCentimetre;
    if (read.problem())
        return fail(*read.problem());
    if (viscosity == 0)
        return fail("粘度=0では計算できません。");

    const double velocity = stokesVelocity(diameter, particleDensity, liquidDensity, viscosity, gravity);
    if (!std::isfinite(velocity))
        return fail("値が大きすぎて計算できません。");
    form.setCaption("Label2", numtext::fixedDecimal(velocity, "0.00000"));
}

constexpr ui::ClickHandler kHandlers[] = {
    {"Command1", Command1_Click},
};

} // namespace

const ui::FormLayout Form3{"Form3", "沈降速度", calc::kCalculatorClient, kControls};

ui::Form* createForm3() { return ui::createForm(Form3, kHandlers); }

} // namespace settling
