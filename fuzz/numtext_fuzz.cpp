// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Coverage-guided fuzzing of the four conversions between text and number.
#include "numtext/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

void require(bool condition, const char* what, std::string_view input)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s for input \"%.*s\"\n", what, static_cast<int>(input.size()), input.data());
    std::abort();
}

bool sameNumber(double x, double y) { return x == y && std::signbit(x) == std::signbit(y); }

// Blanks, digits, signs, points, exponents and the multi-byte forms folded to them.
bool onlyNumberCharacters(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n0123456789+-.eE\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d"
                                  "\x8e\x8f\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9d\x9e\x9f\xa0\xa1"
                                  "\xa2\xa3\xa4\xa5\xbc\xbd\xe2\xe3\xef")
        == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // Any text: neither reading may crash, and strict coercion accepts only a whole number.
    const numtext::Number lenient = numtext::lenientParse(text);
    const numtext::Number strict = numtext::strictCoerce(text);
    if (strict.ok()) {
        require(lenient.ok() && sameNumber(lenient.value, strict.value), "strict and lenient disagree", text);
        require(onlyNumberCharacters(text), "strict accepted more than a number", text);
        require(!numtext::strictCoerce(std::string(text) + "x").ok(), "strict ignored a trailing letter", text);
    }

    // Any double from the same bytes: both formats may not crash, and the general format
    // reads back as the value rounded to 15 significant digits.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        const std::string general = numtext::generalFormat(value);
        (void)numtext::fixedDecimal(value, "0.0000000");
        if (std::isfinite(value)) {
            const numtext::Number back = numtext::lenientParse(general);
            // Half a unit in the 15th digit, and the rounding of the text read back.
            const double tolerance = std::abs(value) * (5e-15 + 4 * std::numeric_limits<double>::epsilon());
            require(
                back.ok() && std::abs(back.value - value) <= tolerance, "general format did not read back", general);
            require(sameNumber(numtext::strictCoerce(general).value, back.value), "strict read it otherwise", general);
        } else {
            require(general.empty(), "a value that is not finite was formatted", general);
        }
    }
    return 0;
}
