#pragma once
// Data tables as comma-separated text: one header row of short ASCII names,
// then one row per record; numbers with a decimal point in the shortest form
// that reads back to the same double, "\n" line ends.
#include <initializer_list>
#include <string>

namespace sonrel {

// The shortest decimal text that reads back to x (point, no grouping).
// Throws MathError for a value that is not finite.
std::string csvNumber(double x);

class CsvText {
public:
    explicit CsvText(std::initializer_list<const char*> header);
    // One row: the record number first, then the values in header order.
    void row(int number, std::initializer_list<double> values);
    int rows() const { return rows_; }
    const std::string& str() const { return text_; }

private:
    std::string text_;
    std::size_t columns_;
    int rows_ = 0;
};

} // namespace sonrel
