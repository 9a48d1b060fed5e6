#include "base/csv_text.h"

#include "base/errors.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace sonrel {

std::string csvNumber(double x) {
    if (!std::isfinite(x)) throw MathError("value not finite in a data table");
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, res.ptr);
}

CsvText::CsvText(std::initializer_list<const char*> header) : columns_(header.size()) {
    bool first = true;
    for (const char* name : header) {
        if (!first) text_ += ',';
        text_ += name;
        first = false;
    }
    text_ += '\n';
}

void CsvText::row(int number, std::initializer_list<double> values) {
    if (values.size() + 1 != columns_) throw std::logic_error("data table row of wrong width");
    text_ += std::to_string(number);
    for (double v : values) {
        text_ += ',';
        text_ += csvNumber(v);
    }
    text_ += '\n';
    ++rows_;
}

} // namespace sonrel
