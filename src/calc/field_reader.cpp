// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/field_reader.h"

namespace calc {
namespace {

// Japanese sets a Latin word apart with a space ("長さ a が…"), but not kanji ("粘度が…").
std::string sentence(std::string_view caption, std::string_view predicate)
{
    const bool endsLatin = !caption.empty() && static_cast<unsigned char>(caption.back()) < 0x80;
    return std::string(caption) + (endsLatin ? " " : "") + std::string(predicate);
}

std::optional<std::string> problemWith(std::string_view caption, std::string_view text, numtext::Status status)
{
    if (text.empty())
        return sentence(caption, "が入力されていません。");
    switch (status) {
    case numtext::Status::Ok: return std::nullopt;
    case numtext::Status::NotANumber: return sentence(caption, "が数値ではありません。");
    case numtext::Status::TooLarge: return sentence(caption, "が大きすぎます。");
    }
    return std::nullopt;
}

} // namespace

FieldReader::FieldReader(const ui::Form& form, Parse parse)
    : form_(form),
      parse_(parse)
{
}

double FieldReader::operator()(ui::ControlName field, std::string_view caption)
{
    const std::string text = form_.text(field);
    const numtext::Number number = parse_(text);
    if (auto problem = problemWith(caption, text, number.status)) {
        if (!problem_)
            problem_ = std::move(problem);
        return 0.0;
    }
    return number.value;
}

} // namespace calc
