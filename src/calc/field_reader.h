// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "numtext/numtext.h"
#include "ui/form.h"

#include <optional>
#include <string>
#include <string_view>

namespace calculator_window {

// Why a field gave no number.
enum class FieldProblem { Empty, NotANumber, TooLarge };
inline constexpr FieldProblem kFieldProblems[]
    = {FieldProblem::Empty, FieldProblem::NotANumber, FieldProblem::TooLarge};

// The message about a field: "長さ a が数値ではありません。", for the field's display name.
std::string problemMessage(std::string_view displayName, FieldProblem problem);

// Reads a window's fields as numbers, one call per field, and keeps the message about the
// first field that could not be read, so a handler can read everything and check once.
class FieldReader {
public:
    using Parse = numtext::Number (*)(std::string_view text);

    FieldReader(const ui::Form& form, Parse parse);

    // The field's number, or 0 when it has a problem; its description names it in the message.
    double operator()(ui::ControlName field);

    // The first problem met, if any.
    const std::optional<std::string>& problem() const { return problem_; }

private:
    const ui::Form& form_;
    Parse parse_;
    std::optional<std::string> problem_;
};

} // namespace calculator_window
