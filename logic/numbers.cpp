#include "logic/numbers.h"

#include "logic/errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace logic {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest number at the start of `text`: [sign] digits [. digits] [e [sign] digits],
// with at least one digit in the mantissa. An 'e' not followed by digits is not part of it.
std::size_t numberPrefix(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// The power of ten of the first significant digit of an unsigned number that numberPrefix
// accepted: "123.4" is 2, "0.00123" is -3, "5e-400" is -400. from_chars leaves its value alone
// on overflow and underflow alike; this tells the two apart. The exponent is read saturating.
long long decimalMagnitude(std::string_view number)
{
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    long long magnitude = first < point ? static_cast<long long>(point - first) - 1
                                        : -static_cast<long long>(first - point);
    if (e != std::string_view::npos) {
        std::string_view exponent = number.substr(e + 1);
        const bool down = exponent.starts_with('-');
        if (exponent.starts_with('-') || exponent.starts_with('+'))
            exponent.remove_prefix(1);
        long long written = 0;
        for (char c : exponent)
            written = std::min(written * 10 + (c - '0'), 1'000'000'000LL);
        magnitude += down ? -written : written;
    }
    return magnitude;
}

// Converts a text that numberPrefix accepted in full. from_chars takes no '+', so the sign is
// handled here; out-of-range magnitudes come back as infinity or zero, never as garbage.
double convert(std::string_view number, bool &outOfRange)
{
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    outOfRange = result.ec == std::errc::result_out_of_range;
    if (outOfRange)
        value = decimalMagnitude(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

// The texts the game writes itself are plain digits ("0", "1", "2640"); they are read in one pass.
// Returns false, leaving `value` alone, for anything else (a sign, a point, an exponent, more than
// 15 digits), which the general reading then handles.
bool readPlainDigits(std::string_view text, double &value)
{
    if (text.empty() || text.size() > 15)
        return false;
    double whole = 0.0;
    for (char c : text) {
        if (!isDigit(c))
            return false;
        whole = whole * 10.0 + (c - '0');
    }
    value = whole;
    return true;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

double readLenient(std::string_view text)
{
    double value = 0.0;
    if (readPlainDigits(text, value))
        return value;
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    const std::size_t length = numberPrefix(text);
    if (length == 0)
        return 0.0;
    bool outOfRange = false;
    return convert(text.substr(0, length), outOfRange);
}

double readStrict(std::string_view text)
{
    double value = 0.0;
    if (readPlainDigits(text, value))
        return value;
    const std::string_view number = trimBlanks(text);
    if (number.empty() || numberPrefix(number) != number.size())
        throw TypeMismatch(std::string(text));
    bool outOfRange = false;
    value = convert(number, outOfRange);
    if (outOfRange && std::isinf(value))
        throw Overflow("«" + std::string(text) + "» es demasiado grande");
    return value;
}

std::string decimalText(double value)
{
    if (value == 0.0)
        return "0"; // also for -0.0
    std::array<char, 32> buffer {};
    char *const first = buffer.data();
    char *const last = first + buffer.size();
    // Whole numbers that a double holds exactly are written digit by digit, never as "1e+16".
    constexpr double exactLimit = 9007199254740992.0; // 2^53
    std::to_chars_result result;
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) <= exactLimit)
        result = std::to_chars(first, last, static_cast<long long>(value));
    else
        result = std::to_chars(first, last, value);
    return std::string(first, result.ptr);
}

std::string countLine(std::string_view counterText)
{
    return "en " + decimalText(readLenient(counterText)) + " movimientos";
}

} // namespace logic
