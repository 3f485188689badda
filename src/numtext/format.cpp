// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numtext/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace numtext {

std::string fixedDecimal(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return {};
    const auto point = pattern.find('.');
    const int decimals = point == std::string_view::npos
        ? 0
        : static_cast<int>(std::count(pattern.begin() + static_cast<std::ptrdiff_t>(point), pattern.end(), '0'));
    if (value == 0.0)
        value = 0.0; // -0 shows as 0

    // The largest double has 309 integer digits.
    std::array<char, 309 + 2 + 64> buffer{};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, std::min(decimals, 64));
    return std::string(buffer.data(), result.ptr);
}

std::string generalFormat(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return "0";
    // The largest doubles would round up past the largest double, to a text that reads back
    // as too large; they show rounded down instead.
    constexpr double kLargestShown = 1.79769313486231e308;
    if (std::abs(value) > kLargestShown)
        value = std::copysign(kLargestShown, value);

    constexpr int kSignificantDigits = 15;
    // "-d.dddddddddddddde+ddd": the value rounded to 15 significant digits.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    const bool negative = text.front() == '-';
    const auto e = text.find('e');
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    std::string digits;
    for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.')
            digits += c;
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string out = negative ? "-" : "";
    if (exponent >= kSignificantDigits || exponent < -4) {
        out += digits.front();
        if (digits.size() > 1)
            out += '.' + digits.substr(1);
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
        }
    }
    return out;
}

} // namespace numtext
