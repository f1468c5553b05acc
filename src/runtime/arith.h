// Exact arithmetic of the forms run-time: rounding half to even, Val, Trim.
#pragma once

#include <QtCore/QStringView>

#include <cstdint>
#include <optional>

namespace orbo {

// Nearest whole number, halves to the even neighbour; no value when the result does not fit.
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);
std::optional<std::uint8_t> RoundToUint8(double value);

// The forms run-time's number reader: blanks anywhere are skipped, then an optional sign,
// digits, an optional "." and fraction and an optional exponent are taken as far as they go.
// Text without a leading number gives 0. Independent of the locale.
double LeadingNumber(QStringView text);

// The forms run-time's Trim: leading and trailing spaces removed (only U+0020, not tabs).
QStringView TrimSpaces(QStringView text);

} // namespace orbo
