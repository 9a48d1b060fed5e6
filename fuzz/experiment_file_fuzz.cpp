// Any text read as an experiment file: refused with a file error, or read
// into a set-up that is written and read back to the same set-up.
#include "base/experiment_file.h"
#include "base/text_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace sonrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ExperimentSetup e;
    try {
        e = parseExperiment(text, "fuzz.sonrel");
    } catch (const FileError&) {
        return 0;
    }
    // What was read must survive its own writing unchanged.
    const ExperimentSetup back =
        parseExperiment(experimentText(e, "fuzz"), "fuzz.sonrel", e.window);
    if (back.window != e.window || back.runOnOpen != e.runOnOpen ||
        back.values.size() != e.values.size())
        std::abort();
    for (std::size_t k = 0; k < e.values.size(); ++k) {
        const ExperimentValue &a = e.values[k], &b = back.values[k];
        if (a.name != b.name || a.text != b.text || a.on != b.on || a.caption != b.caption)
            std::abort();
    }
    return 0;
}
