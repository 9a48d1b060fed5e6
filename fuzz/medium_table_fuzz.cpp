// Any file read back as a medium data table: refused with a table error
// (the run untouched), or read without touching memory it does not own.
#include "app/shared_state.h"
#include "experiments/medium/medium_table.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

using namespace sonrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/sonrel_medium_fuzz_" + std::to_string(getpid()) + ".txt";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    SharedState state;
    MediumExperiment run(state);
    try {
        readMediumTable(path, run);
    } catch (const TableError&) {
    }
    return 0;
}
