// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// A window described as data: what each control is, where it sits and how it looks.
// Tables of these live with each window; ui::Form turns any of them into a real window.
namespace ui {

enum class Kind { Label, TextBox, CommandButton, OptionButton, RichTextBox };
enum class Align { Left, Center, Right };
enum class Charset { Western, Japanese };

struct Rgb {
    int red, green, blue;
};

inline constexpr Rgb kWhite{255, 255, 255};

struct Font {
    std::string_view family; // empty: the system's default font
    double points = 0;       // 0: the system's default size
    bool italic = false;
    Charset charset = Charset::Japanese;
};

inline constexpr Font kSystemFont{};

// A rectangle in twips (1/1440 inch), relative to the window's client area.
struct Twips {
    int left, top, width, height;
};

// 1440 twips per inch at 96 logical dots per inch: 15 twips to a device-independent pixel.
constexpr int toPixels(int twips) { return (2 * twips + 15) / 30; } // rounded to nearest

// "Text1", or an element of a control array such as {"Label1", 3}.
struct ControlName {
    std::string_view name;
    int index = -1;

    constexpr ControlName() = default; // for tables of tests
    constexpr ControlName(const char* n)
        : name(n)
    {
    }
    constexpr ControlName(std::string_view n, int i)
        : name(n),
          index(i)
    {
    }

    // "Label1" or "Label1(3)": the widget's objectName.
    std::string objectName() const
    {
        return index < 0 ? std::string(name) : std::string(name) + "(" + std::to_string(index) + ")";
    }
};

struct Control {
    ControlName name;
    Kind kind;
    std::string_view caption; // a label's or button's caption, a text box's initial text
    Twips rect;
    Font font = kSystemFont;
    Align align = Align::Left;
    std::optional<Rgb> foreground = std::nullopt; // labels default to white
    std::optional<Rgb> background = std::nullopt;
};

class Form;

// What a control means, for a screen reader and for a student pointing at it. Nothing here
// moves or restyles a control. A described label shows a result: it can be reached with Tab,
// selected and copied, and is read out as its name followed by what it shows.
struct Description {
    ControlName name;
    std::string_view displayName;      // a field as messages name it: "紛体直径" (empty for a result)
    std::string_view accessibleName;   // "紛体直径 (μm)"
    std::string_view toolTip;          // what it means, with its unit
    std::string_view enterClicks = {}; // a text box: the button that Enter in it presses
    // A line added to the tip, worked out from the window's current values; empty for none.
    std::string (*liveNote)(const Form& form) = nullptr;
};

// A chart of the runs a log records, in a window of its own beside the log's window: each
// run's mean against its count on a logarithmic axis, with the exact value the runs estimate
// and the band of twice the standard error, which narrows as 1/sqrt(count).
struct ChartLayout {
    ControlName log;
    std::string_view caption;     // the chart window's title
    std::string_view command;     // the log's context-menu entry that opens it, also Ctrl+G
    std::string_view countSymbol; // a run's count as the description names it, such as "n"
    std::string_view countTitle;  // the horizontal axis
    std::string_view meanTitle;   // the vertical axis
    std::string_view runTitle;    // what a point is
    std::string_view exactTitle;  // what the line is
    std::string_view bandTitle;   // what the band is
    std::string_view meanPattern; // a mean as the log shows it, such as "0.0000000"
    std::string_view noRuns;      // what an empty chart says
};

// Controls are listed in tab order.
struct FormLayout {
    std::string_view name;    // "Form1": the window's objectName
    std::string_view caption; // its title
    Twips client;             // where the client area sits on the screen
    std::span<const Control> controls;
    std::span<const Description> descriptions = {};
    std::string_view helpPage = {};     // what F1 shows: a page of the program's resources
    const ChartLayout* chart = nullptr; // a chart of one of its logs
};

} // namespace ui
