// Any file read back as a medium data table: refused with a table error
// (the run untouched), or read without touching memory it does not own.
// The same input behind a line longer than any table line is always refused.
#include "base/shared_state.h"
#include "base/text_file.h"
#include "experiments/medium/medium_table.h"
#include "long_line.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace sonrel;

namespace {

const std::string& path() {
    static const std::string p = "/tmp/sonrel_medium_fuzz_" + std::to_string(getpid()) + ".txt";
    return p;
}

// readMediumTable on a file holding text; true when it was refused.
bool refused(const std::string& text) {
    if (std::FILE* f = std::fopen(path().c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    SharedState state;
    MediumExperiment run(state);
    try {
        readMediumTable(path(), run);
    } catch (const TableError&) {
        return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    refused(text);
    // As the title, and as the start values after a short title.
    if (!refused(longerThanAnyTableLine(text) + "\n" + text)) std::abort();
    if (!refused("title\n" + longerThanAnyTableLine(text) + "\n" + text)) std::abort();
    return 0;
}
