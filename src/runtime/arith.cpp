// Rounding half to even into fixed-width integers, the Val number reader and TrimSpaces.
#include "arith.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace orbo {

namespace {

template <typename T> std::optional<T> RoundTo(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max())))
        return std::nullopt; // also catches NaN
    return static_cast<T>(r);
}

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<std::int16_t> RoundToInt16(double value) {
    return RoundTo<std::int16_t>(value);
}
std::optional<std::int32_t> RoundToInt32(double value) {
    return RoundTo<std::int32_t>(value);
}
std::optional<std::uint8_t> RoundToUint8(double value) {
    return RoundTo<std::uint8_t>(value);
}

QStringView TrimSpaces(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

double LeadingNumber(QStringView text) {
    // Gather the characters that make up the number, skipping blanks, then parse them once.
    std::string number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && IsBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= n)
            break;
        const QChar c = text[i];
        if (IsDigit(c)) {
            number += static_cast<char>(c.unicode());
            digits = true;
        } else if (c == u'.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    skipBlanks();
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        auto skip = [&] {
            while (j < n && IsBlank(text[j]))
                ++j;
        };
        skip();
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            exponent += static_cast<char>(text[j].unicode());
            ++j;
        }
        bool expDigits = false;
        for (;; ++j) {
            skip();
            if (j >= n || !IsDigit(text[j]))
                break;
            exponent += static_cast<char>(text[j].unicode());
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    double value = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; infinity lets the callers' range checks
        // fail.
        const bool tiny = number.find("e-") != std::string::npos;
        const bool negative = number.front() == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        if (negative)
            value = -value;
    }
    return value;
}

} // namespace orbo
