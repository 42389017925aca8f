#pragma once
// Numbers as the settings file holds them: a blank where a non-negative value
// would carry its sign, then the digits (" 1", "-3", " .5", " 1E+15").

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <string_view>

QByteArray display_integer(int16_t value);

// Shortest text of at most 15 significant digits, '.' as point, no leading
// zero below 1. Finite values only.
QByteArray display_double(double value);

// One number as the settings reader accepts it: optional sign, digits with an
// optional point, optional exponent ("1", "+2", "-.5", "1.5E+20").
// nullopt for anything else, including "inf", "nan" and overflowing values.
std::optional<double> parse_number(std::string_view text);
