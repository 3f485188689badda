// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The two ways a field's text becomes a number and the two ways a number becomes text.
// Independent of the user's locale: the full stop is the decimal point everywhere.
// Full-width digits, signs, full stop and blanks, as a Japanese input method types them,
// read like their ASCII counterparts; so does the ideographic full stop "。" ("１。５" is 1.5).
// The ideographic comma "、" is a comma, not a decimal point.
namespace numtext {

enum class Status {
    Ok,
    NotANumber, // only strict coercion reports this
    TooLarge,   // the number does not fit in a double
};

struct Number {
    Status status = Status::Ok;
    double value = 0.0;

    bool ok() const { return status == Status::Ok; }
};

// Reads the number at the start of the text (after blanks) and ignores whatever follows;
// a text that does not start with a number reads as 0. "10um" is 10, "abc" is 0.
Number lenientParse(std::string_view text);

// The whole text must be one number, with blanks allowed around it. The empty text,
// "inf", "nan", "0x10" and "1,5" are not numbers.
Number strictCoerce(std::string_view text);

// A pattern such as "0.00000": at least one digit before the point, as many decimals as
// the pattern has zeros after its point, rounded to nearest; no exponent, no separators.
// Exact zero shows without a sign. Returns "" for a value that is not finite.
std::string fixedDecimal(double value, std::string_view pattern);

// Rounded to 15 significant digits with trailing zeros dropped ("3.14", "0.5", "1");
// scientific ("1.5E+20", "2E-07") outside 1e-4 <= |value| < 1e15.
// Returns "" for a value that is not finite.
std::string generalFormat(double value);

} // namespace numtext
