// Any file read back as a comparison data table: refused with an input
// error, or read into at most 20 rows of finite values. The same input
// behind a line longer than any table line is always refused.
#include "base/errors.h"
#include "base/text_file.h"
#include "experiments/relativity/data_table.h"
#include "long_line.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

using namespace sonrel;

namespace {

// parseTable on text; true when it was refused.
bool refused(const std::string& text) {
    std::istringstream in(text);
    try {
        const relativity::TableData t = relativity::parseTable(in);
        if (t.rows.size() > static_cast<std::size_t>(relativity::kMaxTableRows)) std::abort();
        for (const auto& r : t.rows)
            for (double v : {r.Tn1, r.Tn1p, r.Xn1, r.Yn1, r.Xk2, r.Yk2, r.Qn1, r.Qn2})
                if (!std::isfinite(v)) std::abort();
        if (!std::isfinite(t.Vs0) || !std::isfinite(t.v0)) std::abort();
    } catch (const InputError&) {
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
    if (!refused("title\r\n" + longerThanAnyTableLine(text) + "\r\n" + text)) std::abort();
    return 0;
}
