#pragma once
// Reads a number written with a decimal point, whatever the process locale
// (the suites also run under desktop locales whose strtod expects a comma).
#include <charconv>
#include <string>

inline double plainNumber(const std::string& text) {
    double x = 0;
    const char* begin = text.data();
    if (!text.empty() && text[0] == '+') ++begin;
    std::from_chars(begin, text.data() + text.size(), x);
    return x;
}
