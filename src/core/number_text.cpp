#include "core/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "core/c_locale_scope.h"
#include "core/string_format.h"

namespace velmor {

namespace {

constexpr int kMaxSignificantDigits = 17;  // enough for every double to read back

bool isDigit(char character) {
    return character >= '0' && character <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

double readBack(const std::string& text) {
    const CLocaleScope cLocale;
    return std::strtod(text.c_str(), nullptr);
}

// The significant digits and the decimal exponent of the shortest exponent form that reads
// back as the value, e.g. 0.015 -> {"15", -2}.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal shortestDecimal(double magnitude) {
    std::string text;
    for (int digits = 1; digits <= kMaxSignificantDigits; ++digits) {
        text = formatString("%.*e", digits - 1, magnitude);
        if (readBack(text) == magnitude) {
            break;
        }
    }
    const std::size_t exponentAt = text.find('e');
    Decimal decimal;
    for (std::size_t i = 0; i < exponentAt; ++i) {
        if (isDigit(text[i])) {
            decimal.digits += text[i];
        }
    }
    decimal.exponent = std::atoi(text.c_str() + exponentAt + 1);
    return decimal;
}

std::string exponentForm(const Decimal& decimal) {
    std::string text(1, decimal.digits.front());
    if (decimal.digits.size() > 1) {
        text += '.';
        text += decimal.digits.substr(1);
    }
    const int exponent = decimal.exponent;
    text += formatString("e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return text;
}

// A whole number is written with all its digits, as a plain decimal of the value is.
std::string plainForm(const Decimal& decimal, double magnitude) {
    if (decimal.exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-decimal.exponent - 1), '0') +
               decimal.digits;
    }
    const auto point = static_cast<std::size_t>(decimal.exponent + 1);
    if (decimal.digits.size() <= point) {
        return formatString("%.0f", magnitude);
    }
    return decimal.digits.substr(0, point) + '.' + decimal.digits.substr(point);
}

std::size_t realLength(std::string_view text, RealNotation notation) {
    std::size_t at = !text.empty() && text.front() == '-' ? 1 : 0;
    const std::size_t integerEnd = digitsFrom(text, at);
    std::size_t end = integerEnd;
    bool anyDigit = integerEnd > at;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = digitsFrom(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) {
        return 0;
    }
    if (notation == RealNotation::general && end < text.size() &&
        (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponentAt = end + 1;
        if (exponentAt < text.size() && (text[exponentAt] == '-' || text[exponentAt] == '+')) {
            ++exponentAt;
        }
        const std::size_t exponentEnd = digitsFrom(text, exponentAt);
        if (exponentEnd > exponentAt) {
            end = exponentEnd;  // without digits the "e" is not part of the number
        }
    }
    return end;
}

}  // namespace

std::string shortestRealText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) {
        return sign + "inf";
    }
    if (value == 0.0) {
        return sign + "0";
    }
    const double magnitude = std::fabs(value);
    const Decimal decimal = shortestDecimal(magnitude);
    const std::string plain = plainForm(decimal, magnitude);
    const std::string exponent = exponentForm(decimal);
    return sign + (exponent.size() < plain.size() ? exponent : plain);
}

std::optional<RealPrefix> readRealPrefix(std::string_view text, RealNotation notation) {
    const std::size_t length = realLength(text, notation);
    if (length == 0) {
        return std::nullopt;
    }
    const std::string number(text.substr(0, length));
    const CLocaleScope cLocale;
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE) {
        return std::nullopt;
    }
    return RealPrefix{value, length};
}

}  // namespace velmor
