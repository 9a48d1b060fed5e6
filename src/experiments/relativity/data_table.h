#pragma once
// The data table of a comparison run: a title line, nine start values, a
// column header and one line per received period start, every value as an
// integer number of millionths in print zones of 14 characters; after them
// the line "период N не принят" for the period whose end never came.
#include "experiments/relativity/model.h"

#include <istream>
#include <string>
#include <vector>

namespace sonrel::relativity {

struct TableRow {
    double Tn1 = 0, Tn1p = 0, Xn1 = 0, Yn1 = 0, Tn2iso = 0, sourcePeriod = 0;
    double Xn2iso = 0, Yn2iso = 0, Xk2 = 0, Yk2 = 0;
    double Qn1 = 0, Qn2 = 0; // degrees
    double Vs1 = 0, Vs2 = 0;
};

struct TableData {
    double Vs0 = 0, v0 = 0, VX1 = 0, VX2 = 0, VY1 = 0, VY2 = 0, T0 = 0, kTiso = 0, kT00 = 0;
    std::vector<TableRow> rows; // periods 1, 2, ... (at most 20)
};

constexpr int kMaxTableRows = 20;

// "Sonrel_" + number + ".txt" in the current directory.
std::string tableFileName(const std::string& number);

// The whole text of the table of the model's last run.
std::string tableText(Model& m);

// Writes the table; false (nothing written) when the number cannot be part
// of a file name or the file cannot be written.
bool writeTable(Model& m, const std::string& number);

// Reads a table back; throws InputError when it is missing, truncated or
// malformed. Rows past the 20th, or after the unreceived period, are not read.
TableData parseTable(std::istream& in);
TableData readTable(const std::string& number);

// Puts a table into the model's period record as if its run had just ended:
// the periods between consecutive rows count as completed.
void loadTable(Model& m, const TableData& t);

} // namespace sonrel::relativity
