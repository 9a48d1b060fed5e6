#pragma once
// The fuzz input with no line breaks, repeated until it is longer than any
// line of a data table (empty input: blanks), for the harnesses that check
// that such a line is always refused.
#include "base/text_file.h"

#include <string>

inline std::string longerThanAnyTableLine(const std::string& data) {
    std::string piece;
    for (char c : data)
        if (c != '\n') piece += c;
    if (piece.empty()) piece = " ";
    std::string line;
    while (line.size() <= sonrel::kMaxTableLine + 1)
        line += piece;
    return line;
}
