// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numtext/numtext.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace numtext {
namespace {

// Maps the full-width forms U+FF01..U+FF5E to ASCII, the ideographic space U+3000 to a
// blank, U+2212 MINUS SIGN to '-', and the ideographic full stop U+3002 and its half-width
// form U+FF61 to '.', as an input method in hiragana mode types the decimal point. The
// ideographic comma stays a comma. Every other byte is copied, so malformed UTF-8 is
// harmless: it simply is not part of a number.
std::string foldToAscii(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        if (i + 2 < text.size()) {
            const unsigned char b0 = byte(i), b1 = byte(i + 1), b2 = byte(i + 2);
            char folded = 0;
            if (b0 == 0xEF && b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF)
                folded = static_cast<char>(b2 - 0x60); // U+FF01..U+FF3F
            else if (b0 == 0xEF && b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E)
                folded = static_cast<char>(b2 - 0x20); // U+FF40..U+FF5E
            else if ((b0 == 0xE3 && b1 == 0x80 && b2 == 0x82) || (b0 == 0xEF && b1 == 0xBD && b2 == 0xA1))
                folded = '.'; // U+3002, U+FF61
            else if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80)
                folded = ' ';
            else if (b0 == 0xE2 && b1 == 0x88 && b2 == 0x92)
                folded = '-';
            if (folded != 0) {
                out.push_back(folded);
                i += 2;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One decimal number as written: [sign] digits [. digits] [e [sign] digits].
struct Token {
    std::size_t end = 0; // one past the last character of the number
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0; // saturated far beyond any double's range
};

std::optional<Token> scanNumber(std::string_view s, std::size_t pos)
{
    Token t;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        t.negative = s[pos] == '-';
        ++pos;
    }
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t to = from;
        while (to < s.size() && isDigit(s[to]))
            ++to;
        return to;
    };
    std::size_t intEnd = digitsFrom(pos);
    t.integerDigits = s.substr(pos, intEnd - pos);
    pos = intEnd;
    if (pos < s.size() && s[pos] == '.') {
        const std::size_t fracEnd = digitsFrom(pos + 1);
        t.fractionDigits = s.substr(pos + 1, fracEnd - pos - 1);
        if (t.integerDigits.empty() && t.fractionDigits.empty())
            return std::nullopt; // a lone point
        pos = fracEnd;
    }
    if (t.integerDigits.empty() && t.fractionDigits.empty())
        return std::nullopt;

    // An exponent counts only when digits follow the letter: "1e" is the number 1 and an "e".
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        std::size_t p = pos + 1;
        bool negativeExponent = false;
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
            negativeExponent = s[p] == '-';
            ++p;
        }
        const std::size_t expEnd = digitsFrom(p);
        if (expEnd > p) {
            constexpr std::int64_t kSaturated = 1'000'000'000;
            std::int64_t e = 0;
            for (std::size_t k = p; k < expEnd; ++k)
                e = e < kSaturated ? e * 10 + (s[k] - '0') : kSaturated;
            t.exponent = negativeExponent ? -e : e;
            pos = expEnd;
        }
    }
    t.end = pos;
    return t;
}

// The decimal exponent of the token's leading significant digit, plus one; only its sign
// matters, to tell overflow from underflow.
std::int64_t magnitude(const Token& t)
{
    const auto firstNonZero = t.integerDigits.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos)
        return static_cast<std::int64_t>(t.integerDigits.size() - firstNonZero) + t.exponent;
    const auto leadingZeros = t.fractionDigits.find_first_not_of('0');
    if (leadingZeros == std::string_view::npos)
        return 0; // the number is zero
    return -static_cast<std::int64_t>(leadingZeros) + t.exponent;
}

Number toNumber(const Token& t)
{
    // Rebuilt in the one form std::from_chars reads the same everywhere.
    std::string canonical;
    canonical.reserve(t.integerDigits.size() + t.fractionDigits.size() + 16);
    if (t.negative)
        canonical += '-';
    canonical += t.integerDigits.empty() ? std::string_view("0") : t.integerDigits;
    canonical += '.';
    canonical += t.fractionDigits.empty() ? std::string_view("0") : t.fractionDigits;
    canonical += 'e';
    canonical += std::to_string(t.exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (magnitude(t) > 0)
            return {Status::TooLarge, 0.0};
        return {Status::Ok, t.negative ? -0.0 : 0.0}; // too small: the nearest double is zero
    }
    return {Status::Ok, value};
}

std::size_t skipBlanks(std::string_view s, std::size_t pos)
{
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    return pos;
}

enum class Extent { Prefix, WholeText };

Number parse(std::string_view text, Extent extent)
{
    const std::string s = foldToAscii(text);
    const auto token = scanNumber(s, skipBlanks(s, 0));
    if (extent == Extent::WholeText && (!token || skipBlanks(s, token->end) != s.size()))
        return {Status::NotANumber, 0.0};
    if (!token)
        return {Status::Ok, 0.0};
    return toNumber(*token);
}

} // namespace

Number lenientParse(std::string_view text) { return parse(text, Extent::Prefix); }

Number strictCoerce(std::string_view text) { return parse(text, Extent::WholeText); }

} // namespace numtext
