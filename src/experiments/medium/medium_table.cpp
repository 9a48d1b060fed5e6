#include "experiments/medium/medium_table.h"

#include "base/errors.h"
#include "base/numbers.h"
#include "base/text_file.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace sonrel {

namespace {
constexpr int kZone = 14; // width of a print zone

// Fix(x·1000000) as a whole number, with a leading blank when not negative.
std::string millionths(double x) {
    const double v = std::trunc(x * 1000000.0);
    if (!std::isfinite(v)) throw MathError("value out of range");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", v == 0 ? 0.0 : v);
    return (v >= 0 ? " " : "") + std::string(buf);
}

// Items in 14-character print zones: each item starts at the next zone.
std::string zoned(const std::vector<std::string>& items) {
    std::string line;
    for (std::size_t i = 0; i < items.size(); ++i) {
        line += items[i];
        if (i + 1 < items.size()) do
                line += ' ';
            while (line.size() % kZone != 0);
    }
    return line + "\n";
}

std::vector<double> numbersOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<double> values;
    std::string token;
    while (in >> token) {
        char* end = nullptr;
        const double v = std::strtod(token.c_str(), &end);
        if (end == token.c_str() || *end != '\0' || !std::isfinite(v))
            throw TableError("not a number: " + token);
        values.push_back(v);
    }
    return values;
}

// The medium window is form 3; the comparison window (form 9) writes tables
// of the same name, whose first line before the tables were marked ended so.
constexpr int kOwnForm = 3;
constexpr const char* kComparisonTail = "(параметры даны на начало периода N)";

// A table's first line names the window that wrote it; one written by the
// comparison window is refused, also an unmarked one with its title.
void checkWriter(const std::string& firstLine) {
    const int form = tableMarkOf(firstLine);
    if (form != 0 && form != kOwnForm) throw TableError("table of another window");
    if (form == 0 && firstLine.find(kComparisonTail) != std::string::npos)
        throw TableError("table of the comparison window");
}

bool nextLine(std::istream& in, std::string& line) {
    try {
        return getBoundedLine(in, line, kMaxTableLine);
    } catch (const FileError& e) {
        throw TableError(e.what());
    }
}

constexpr const char* kStartHeader =
    " Vs0            v0           VX1           VX2           VY1           VY2           T0      "
    "     kTiso          kod     ";
constexpr const char* kRowHeader =
    "  N             Tn1            Tk1            Xk1           Yk1           Tn2           T00  "
    "         Xn2           Yn2           Xk2            Yk2           Qn1           Qn2           "
    "Vs1           Vs2";
} // namespace

std::string mediumTableName(const std::string& numberText) {
    if (!isSafeFileNumber(numberText)) throw TableError("unsafe file number");
    std::int32_t n = 0;
    try {
        n = readInteger(numberText);
    } catch (const InputError&) {
        throw TableError("file number is not a whole number");
    }
    return "Sonrel_" + std::to_string(n) + ".txt";
}

std::string mediumTableText(const MediumExperiment& run, DopplerFrame frame) {
    const SharedState& st = run.st;
    std::string text = frame == DopplerFrame::Classic ? "Классика" : "СТО";
    text += " в среде с переменной оптической плотностью при VXiso= " + formatTrunc(run.VXiso, 1) +
            kStartHeader + tableMark(kOwnForm) + "\n";
    text += zoned({millionths(run.Vs0), millionths(run.v00), millionths(st.VX(1)),
                   millionths(st.VX(2)), millionths(st.VY(1)), millionths(st.VY(2)),
                   millionths(run.T0), millionths(run.G), " " + std::to_string(run.mode)});
    text += std::string(kRowHeader) + "\n";
    for (int i = 1; i <= run.k - 1 && i <= 20; ++i) {
        char index[12];
        std::snprintf(index, sizeof index, "%02d", i);
        // The period after the twentieth is not tabulated; its nominal length stands in.
        const double period = i < 20 ? st.Tn2(i + 1) - st.Tn2(i) : st.T00;
        text += zoned({index, millionths(st.Tn1(i)), millionths(run.Tn1p(i)), millionths(st.Xk1(i)),
                       millionths(st.Yk1(i)), millionths(st.Tn2(i)), millionths(period),
                       millionths(st.Xn2(i)), millionths(st.Yn2(i)), millionths(st.Xk2(i)),
                       millionths(st.Yk2(i)), millionths(st.QV1(i) * st.degPerRad),
                       millionths(st.QV2(i) * st.degPerRad), millionths(run.Vs1(i)),
                       millionths(run.Vs2(i))});
    }
    return text;
}

void writeMediumTable(const std::string& path, const MediumExperiment& run, DopplerFrame frame) {
    const std::string text = mediumTableText(run, frame);
    // A table that could not be read back is not written.
    if (!linesWithin(text, kMaxTableLine)) throw TableError("table line too long");
    if (!writeFileAtomically(path, text)) throw TableError("cannot write " + path);
}

void readMediumTable(const std::string& path, MediumExperiment& run) {
    std::istringstream in;
    try {
        in.str(readSmallFile(path, kMaxTableBytes));
    } catch (const FileError& e) {
        throw TableError(e.what());
    }
    std::string title, startLine, header;
    if (!nextLine(in, title) || !nextLine(in, startLine) || !nextLine(in, header))
        throw TableError("table too short");
    checkWriter(title);
    const std::vector<double> start = numbersOf(startLine);
    if (start.size() != 9) throw TableError("start values incomplete");
    const double mode = start[8];
    if (mode != 1 && mode != 2) throw TableError("unknown mode");

    std::vector<std::array<double, 14>> rows;
    std::string line;
    while (rows.size() < 20 && nextLine(in, line)) {
        const std::vector<double> v = numbersOf(line);
        if (v.empty()) continue;
        if (v.size() != 15) throw TableError("row incomplete");
        std::array<double, 14> row{};
        for (std::size_t c = 0; c < 14; ++c)
            row[c] = v[c + 1] / 1000000.0;
        rows.push_back(row);
    }

    // Everything read: only now replace the run's records.
    SharedState& st = run.st;
    run.Vs0 = start[0] / 1000000.0;
    st.Vs = run.Vs0;
    run.v00 = start[1] / 1000000.0;
    st.VX(1) = start[2] / 1000000.0;
    st.VX(2) = start[3] / 1000000.0;
    st.VY(1) = start[4] / 1000000.0;
    st.VY(2) = start[5] / 1000000.0;
    run.T0 = start[6] / 1000000.0;
    run.G = start[7] / 1000000.0;
    run.mode = static_cast<int>(mode);
    run.V1 = std::hypot(st.VX(1), st.VY(1));
    run.V2 = std::hypot(st.VX(2), st.VY(2));
    st.clearPeriodRecord();
    for (PeriodArray* a : {&run.Tn1p, &run.Xe, &run.Vs1, &run.Vs2, &run.Qa, &run.Qe, &run.Q3,
                           &run.vn, &run.vk, &run.vsr})
        a->fill(0.0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int i = static_cast<int>(r) + 1;
        const auto& v = rows[r];
        st.Tn1(i) = v[0];
        run.Tn1p(i) = v[1];
        st.Xk1(i) = v[2];
        st.Yk1(i) = v[3];
        st.Tn2(i) = v[4];
        st.Xn2(i) = v[6];
        st.Yn2(i) = v[7];
        st.Xk2(i) = v[8];
        st.Yk2(i) = v[9];
        st.QV1(i) = v[10] / st.degPerRad;
        st.QV2(i) = v[11] / st.degPerRad;
        run.Vs1(i) = v[12];
        run.Vs2(i) = v[13];
        run.Xe(i) = st.Xn2(i);
    }
    run.k = static_cast<int>(rows.size()) + 1;
}

} // namespace sonrel
