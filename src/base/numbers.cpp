#include "base/numbers.h"

#include "base/errors.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace sonrel {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Validates the grammar [sign] digits [sep digits] [E [sign] digits] and
// returns it in the C locale's form (point as separator).
std::string normalise(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::string out;
    std::size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) out += text[i++];
    std::size_t mantissaDigits = 0;
    while (i < e && isDigit(text[i]))
        out += text[i++], ++mantissaDigits;
    if (i < e && (text[i] == ',' || text[i] == '.')) {
        out += '.';
        ++i;
        while (i < e && isDigit(text[i]))
            out += text[i++], ++mantissaDigits;
    }
    if (mantissaDigits == 0) throw InputError("not a number: " + text);
    if (i < e && (text[i] == 'E' || text[i] == 'e')) {
        out += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) out += text[i++];
        std::size_t expDigits = 0;
        while (i < e && isDigit(text[i]))
            out += text[i++], ++expDigits;
        if (expDigits == 0) throw InputError("bad exponent: " + text);
    }
    if (i != e) throw InputError("not a number: " + text);
    return out;
}

// The C library's conversions follow the process's LC_NUMERIC, which the window
// system sets from the desktop's locale (a Russian desktop expects a decimal
// comma in strtod and prints one from printf). Fields have their own fixed
// grammar, so the conversion of a field runs in the "C" locale on this thread.
class CNumericLocale {
public:
    CNumericLocale() : previous_(uselocale(cLocale())) {}
    ~CNumericLocale() { uselocale(previous_); }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c != static_cast<locale_t>(nullptr) ? c : LC_GLOBAL_LOCALE;
    }
    locale_t previous_;
};

} // namespace

double readNumber(const std::string& text) {
    const std::string s = normalise(text);
    const CNumericLocale cReading;
    errno = 0;
    char* end = nullptr;
    const double x = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size()) throw InputError("not a number: " + text);
    if (!std::isfinite(x) || (errno == ERANGE && std::fabs(x) > 1.0))
        throw InputError("number out of range: " + text);
    return x;
}

std::int32_t readInteger(const std::string& text) {
    const double x = readNumber(text);
    const double r = std::nearbyint(x); // default rounding: halves to even
    if (r < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        throw InputError("integer out of range: " + text);
    return static_cast<std::int32_t>(r);
}

std::string formatNumber(double x) {
    if (!std::isfinite(x)) throw MathError("non-finite value cannot be shown");
    if (x == 0.0) return "0";
    // 15 significant digits, then strip trailing zeros. Only the digits and
    // the exponent of printf's text are used, so its decimal separator (the
    // locale's) does not matter.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    std::string s(buf);
    const std::size_t epos = s.find('e');
    std::string mant = s.substr(0, epos);
    int exp10 = std::atoi(s.c_str() + epos + 1);
    bool neg = false;
    if (!mant.empty() && mant[0] == '-') {
        neg = true;
        mant.erase(0, 1);
    }
    std::string digits;
    for (char c : mant)
        if (isDigit(c)) digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = neg ? "-" : "";
    const double mag = std::fabs(std::strtod(buf, nullptr));
    if (mag < 1e-4 || mag >= 1e15) {
        out += digits[0];
        if (digits.size() > 1) out += "," + digits.substr(1);
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
        out += eb;
        return out;
    }
    if (exp10 >= 0) {
        const std::size_t intLen = static_cast<std::size_t>(exp10) + 1;
        if (digits.size() <= intLen) {
            out += digits + std::string(intLen - digits.size(), '0');
        } else {
            out += digits.substr(0, intLen) + "," + digits.substr(intLen);
        }
    } else {
        out += "0," + std::string(static_cast<std::size_t>(-exp10 - 1), '0') + digits;
    }
    return out;
}

double fix(double x) {
    return std::trunc(x);
}

double truncTo(double x, int digits) {
    const double scale = std::pow(10.0, digits);
    return std::trunc(x * scale) / scale;
}

std::string formatTrunc(double x, int digits) {
    return formatNumber(truncTo(x, digits));
}

bool isSafeFileNumber(const std::string& text) {
    if (text.empty() || text == "." || text.find("..") != std::string::npos) return false;
    for (unsigned char c : text) {
        if (c < 32 || c == 127) return false;
        switch (c) {
        case '/':
        case '\\':
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
            return false;
        default:
            break;
        }
    }
    return true;
}

} // namespace sonrel
