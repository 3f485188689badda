// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/field_reader.h"

namespace calculator_window {
namespace {

std::optional<FieldProblem> problemWith(std::string_view text, numtext::Status status)
{
    if (text.empty())
        return FieldProblem::Empty;
    switch (status) {
    case numtext::Status::Ok: return std::nullopt;
    case numtext::Status::NotANumber: return FieldProblem::NotANumber;
    case numtext::Status::TooLarge: return FieldProblem::TooLarge;
    }
    return std::nullopt;
}

} // namespace

std::string problemMessage(std::string_view displayName, FieldProblem problem)
{
    std::string_view predicate;
    switch (problem) {
    case FieldProblem::Empty: predicate = "が入力されていません。"; break;
    case FieldProblem::NotANumber: predicate = "が数値ではありません。"; break;
    case FieldProblem::TooLarge: predicate = "が大きすぎます。"; break;
    }
    // Japanese sets a Latin word apart with a space ("長さ a が…"), but not kanji ("粘度が…").
    const bool endsLatin = !displayName.empty() && static_cast<unsigned char>(displayName.back()) < 0x80;
    return std::string(displayName) + (endsLatin ? " " : "") + std::string(predicate);
}

FieldReader::FieldReader(const ui::Form& form, Parse parse)
    : form_(form),
      parse_(parse)
{
}

double FieldReader::operator()(ui::ControlName field)
{
    const std::string text = form_.text(field);
    const numtext::Number number = parse_(text);
    if (const std::optional<FieldProblem> problem = problemWith(text, number.status)) {
        if (!problem_)
            problem_ = problemMessage(form_.description(field).displayName, *problem);
        return 0.0;
    }
    return number.value;
}

} // namespace calculator_window
