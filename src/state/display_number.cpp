#include "state/display_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int SignificantDigits = 15;
// Plain decimals from 1E-4 up to (not including) 1E15; exponent form outside.
// The lower bound is the one printf's %g uses, so .0001 stays readable while
// 1E-05 does not turn into a long row of zeros.
constexpr int SmallestPlainExponent = -4;
constexpr int LargestPlainExponent = 14;

std::string exponent_text(int exponent)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2)
        digits.insert(0, 1, '0');
    return (exponent < 0 ? "E-" : "E+") + digits;
}

}  // namespace

QByteArray display_integer(int16_t value)
{
    const int wide = value;  // -32768 has no 16-bit magnitude
    return (wide < 0 ? "-" : " ") + QByteArray::number(std::abs(wide));
}

QByteArray display_double(double value)
{
    if (value == 0)
        return " 0";  // also for -0, which has no sign worth keeping

    // Round to 15 significant digits first: the exponent of the rounded value
    // decides the form (9.999999999999999E14 is written 1E+15).
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view scientific(buffer, result.ptr - buffer);  // "d.ddddde+XX"
    const auto e = scientific.find('e');
    std::string digits = std::string(1, scientific[0]) + std::string(scientific.substr(2, e - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const std::string_view exponentPart = scientific.substr(e + 1);
    int exponent = 0;
    std::from_chars(exponentPart.data() + 1, exponentPart.data() + exponentPart.size(), exponent);
    if (exponentPart[0] == '-')
        exponent = -exponent;

    std::string text;
    if (exponent > LargestPlainExponent || exponent < SmallestPlainExponent) {
        text = digits.substr(0, 1);
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        text += exponent_text(exponent);
    } else if (exponent >= 0) {
        const size_t integerDigits = size_t(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    } else {
        text = "." + std::string(size_t(-exponent - 1), '0') + digits;
    }
    return (value < 0 ? "-" : " ") + QByteArray::fromStdString(text);
}

std::optional<double> parse_number(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; a number starts with a digit or point.
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '.'))
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}
