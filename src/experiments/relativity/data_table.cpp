#include "experiments/relativity/data_table.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "base/signal_delay.h"
#include "base/text_file.h"
#include "experiments/unreceived_period.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace sonrel::relativity {

namespace {

constexpr int kZone = 14;
constexpr double kMillion = 1000000.0;

const char* const kHeader =
    " Vs0            v0           VX1           VX2           VY1           VY2      "
    "     T0           kTiso          kT00     ";
const char* const kColumns =
    "  N             Tn1            Tk1            Xk1           Yk1           Tn2   "
    "        T00           Xn2           Yn2           Xk2            Yk2           Q"
    "n1           Qn2           Vs1           Vs2";

// The comparison window is form 9; the medium window (form 3) writes tables
// of the same name, whose first line before the tables were marked held this.
constexpr int kOwnForm = 9;
const char* const kMediumTitle = " в среде с переменной оптической плотностью при VXiso= ";

// Fix(1000000 x) written as a plain integer.
std::string millionths(double x) {
    const double v = std::trunc(finite(x * kMillion, "value too large for the table"));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", v == 0 ? 0.0 : v);
    return buf;
}

// Items in print zones of 14 characters; a long item pushes the next one
// to the following zone.
void zoned(std::string& line, const std::string& item) {
    line += item;
    const std::size_t pad = kZone - line.size() % kZone;
    line.append(pad, ' ');
}

std::string title(const Model& m) {
    std::string t;
    switch (m.opt.kinematics) {
    case Kinematics::Classic:
        t = "Классика в ИСО";
        break;
    case Kinematics::Sto:
        t = "СТО в ИСО";
        break;
    case Kinematics::StoPlus:
        t = "СТО+ в ИСО";
        break;
    }
    t += m.opt.frame == Frame::Aso ? "  из АСО при VXiso= " : "  при VXiso= ";
    return t + formatTrunc(m.VXiso, 1) + "  (параметры даны на начало периода N)   " +
           tableMark(kOwnForm);
}

double fromMillionths(const std::string& token) {
    return readNumber(token) / kMillion;
}

std::vector<std::string> tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string t; in >> t;)
        out.push_back(t);
    return out;
}

bool blank(const std::string& line) {
    return tokens(line).empty();
}

// The tail of the line written after the rows (see unreceivedPeriodFileLine).
const char* const kUnreceived = " не принят";

// A table's first line names the window that wrote it; one written by the
// medium window is refused, also an unmarked one with the medium's title.
void checkWriter(const std::string& firstLine) {
    const int form = tableMarkOf(firstLine);
    if (form != 0 && form != kOwnForm) throw InputError("table of another window");
    if (form == 0 && firstLine.find(kMediumTitle) != std::string::npos)
        throw InputError("table of the medium window");
}

} // namespace

std::string tableFileName(const std::string& number) {
    return "Sonrel_" + number + ".txt";
}

std::string tableText(Model& m) {
    SharedState& s = m.s;
    std::string text = kHeader + title(m) + "\r\n";
    std::string line;
    for (double v : {m.Vs0, s.v0, m.VX1iso, m.VX2iso, m.VY1iso, m.VY2iso, m.T0, m.kTiso3, m.kT00})
        zoned(line, millionths(v));
    text += line + "\r\n" + kColumns + "\r\n";
    const int rows = std::min(m.N - 1, kMaxTableRows);
    const double deg = s.degPerRad;
    for (int i = 1; i <= rows; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%02d", i);
        // The source period needs the next emission; a beam never emitted
        // (or none past the 20th) leaves it unknown, written as 0.
        const double period = i < m.lastEmission ? m.Tn2iso(i + 1) - m.Tn2iso(i) : 0;
        line.clear();
        zoned(line, number);
        for (double v :
             {s.Tn1(i), m.Tn1p(i), s.Xn1(i), s.Yn1(i), m.Tn2iso(i), period, m.Xn2iso(i),
              m.Yn2iso(i), s.Xk2(i), s.Yk2(i), m.Qn1(i) * deg, m.Qn2(i) * deg, m.Vs1(i), m.Vs2(i)})
            zoned(line, millionths(v));
        text += line + "\r\n";
    }
    // Each row is the start of its period and the end of the one before;
    // the period that starts at the last row was not received. The line is
    // Russian in every interface language, as the whole table is.
    if (const int open = m.unfinishedPeriod()) text += unreceivedPeriodFileLine(open) + "\r\n";
    return text;
}

bool writeTable(Model& m, const std::string& number) {
    if (!isSafeFileNumber(number)) return false;
    std::string text;
    try {
        text = tableText(m);
    } catch (const std::exception&) {
        return false;
    }
    // A table that could not be read back is not written.
    if (!linesWithin(text, kMaxTableLine)) return false;
    return writeFileAtomically(tableFileName(number), text);
}

TableData parseTable(std::istream& in) {
    std::string line;
    const auto getLine = [&] {
        try {
            return getBoundedLine(in, line, kMaxTableLine);
        } catch (const FileError& e) {
            throw InputError(e.what());
        }
    };
    auto nextLine = [&](const char* what) {
        if (!getLine()) throw InputError(std::string("table ends before ") + what);
    };
    TableData t;
    nextLine("its title");
    checkWriter(line);
    nextLine("its start values");
    const auto start = tokens(line);
    if (start.size() != 9) throw InputError("table start values malformed");
    double* values[] = {&t.Vs0, &t.v0, &t.VX1, &t.VX2, &t.VY1, &t.VY2, &t.T0, &t.kTiso, &t.kT00};
    for (int k = 0; k < 9; ++k)
        *values[k] = fromMillionths(start[k]);
    nextLine("its column header");
    while (static_cast<int>(t.rows.size()) < kMaxTableRows && getLine()) {
        if (blank(line)) continue;
        if (line.find(kUnreceived) != std::string::npos) break; // no rows after it
        const auto items = tokens(line);
        if (items.size() != 15) throw InputError("table row malformed");
        readInteger(items[0]);
        TableRow r;
        double* cells[] = {&r.Tn1,          &r.Tn1p,   &r.Xn1,    &r.Yn1, &r.Tn2iso,
                           &r.sourcePeriod, &r.Xn2iso, &r.Yn2iso, &r.Xk2, &r.Yk2,
                           &r.Qn1,          &r.Qn2,    &r.Vs1,    &r.Vs2};
        for (int k = 0; k < 14; ++k)
            *cells[k] = fromMillionths(items[k + 1]);
        t.rows.push_back(r);
    }
    return t;
}

TableData readTable(const std::string& number) {
    if (!isSafeFileNumber(number)) throw InputError("no such table");
    std::string text;
    try {
        text = readSmallFile(tableFileName(number), kMaxTableBytes);
    } catch (const FileError& e) {
        throw InputError(e.what());
    }
    std::istringstream in(text);
    return parseTable(in);
}

void loadTable(Model& m, const TableData& t) {
    SharedState& s = m.s;
    m.Vs0 = s.Vs = t.Vs0;
    s.v0 = t.v0;
    m.VX1iso = t.VX1;
    m.VX2iso = t.VX2;
    m.VY1iso = t.VY1;
    m.VY2iso = t.VY2;
    m.V1iso = std::hypot(t.VX1, t.VY1);
    m.V2iso = std::hypot(t.VX2, t.VY2);
    m.V12iso = std::hypot(t.VX1 - t.VX2, t.VY1 - t.VY2);
    m.QV12iso = vectorAngleRad(s.pi, t.VX1 - t.VX2, t.VY1 - t.VY2);
    m.T0 = t.T0;
    m.kTiso3 = t.kTiso;
    m.kT00 = t.kT00;
    const double toRad = 1 / s.degPerRad;
    // Consecutive rows bound a period: the last row only ends one.
    m.completed = std::max(static_cast<int>(t.rows.size()) - 1, 0);
    for (int i = 1; i <= kMaxTableRows; ++i) {
        const bool have = i <= static_cast<int>(t.rows.size());
        const TableRow r = have ? t.rows[static_cast<std::size_t>(i - 1)] : TableRow{};
        s.Tn1(i) = r.Tn1;
        m.Tn1p(i) = r.Tn1p;
        s.Xn1(i) = r.Xn1;
        s.Yn1(i) = r.Yn1;
        m.Tn2iso(i) = r.Tn2iso;
        m.Xn2iso(i) = r.Xn2iso;
        m.Yn2iso(i) = r.Yn2iso;
        s.Xk2(i) = r.Xk2;
        s.Yk2(i) = r.Yk2;
        m.Qn1(i) = r.Qn1 * toRad;
        m.Qn2(i) = r.Qn2 * toRad;
        m.Vs1(i) = r.Vs1;
        m.Vs2(i) = r.Vs2;
        // The line of sight of the arrival, as the run recorded it.
        m.Q3(i) = m.Q3(i + 20) = vectorAngleRad(s.pi, r.Xn1 - r.Xn2iso, r.Yn1 - r.Yn2iso);
    }
}

} // namespace sonrel::relativity
