#include "base/run_inputs.h"

#include "base/translate.h"

namespace sonrel {

namespace {

// A caption as the window shows it, without the blanks, colons and "="
// that only lay out the window.
std::string plainCaption(const ExperimentValue& v) {
    std::string c = v.caption.empty() ? v.name : v.caption;
    const auto first = c.find_first_not_of(" ");
    const auto last = c.find_last_not_of(" :=");
    c = first == std::string::npos || last < first ? v.name : c.substr(first, last - first + 1);
    return c;
}

std::string shownValue(const ExperimentValue& v) {
    if (controlKindOf(v.name) != ControlKind::Box) return v.text;
    return v.on ? trText("RunInputs", "да") : trText("RunInputs", "нет");
}

std::string lines(const RunInputs& in, const std::string& prefix) {
    if (in.program.empty()) return {}; // no run has recorded its inputs
    std::string out = prefix + trText("RunInputs", "программа") + " = " + in.program + "\n";
    out += prefix + trText("RunInputs", "окно") + " = " + in.window + "\n";
    for (const ExperimentValue& v : in.values) {
        // Line breaks inside a caption or a value would start a line
        // without the comment mark.
        std::string line = plainCaption(v) + " = " + shownValue(v);
        for (char& ch : line)
            if (ch == '\n' || ch == '\r') ch = ' ';
        out += prefix + line + "\n";
    }
    return out;
}

} // namespace

std::string inputsTableHead(const RunInputs& inputs) {
    return lines(inputs, "# ");
}

std::string inputsReportBlock(const RunInputs& inputs) {
    std::string block = lines(inputs, "");
    if (!block.empty()) block.pop_back();
    return block;
}

} // namespace sonrel
