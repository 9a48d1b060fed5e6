// Any file read back as a comparison data table: refused with an input
// error, or read into at most 20 rows of finite values.
#include "app/errors.h"
#include "experiments/relativity/data_table.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

using namespace sonrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        const relativity::TableData t = relativity::parseTable(in);
        if (t.rows.size() > static_cast<std::size_t>(relativity::kMaxTableRows)) std::abort();
        for (const auto& r : t.rows)
            for (double v : {r.Tn1, r.Tn1p, r.Xn1, r.Yn1, r.Xk2, r.Yk2, r.Qn1, r.Qn2})
                if (!std::isfinite(v)) std::abort();
        if (!std::isfinite(t.Vs0) || !std::isfinite(t.v0)) std::abort();
    } catch (const InputError&) {
    }
    return 0;
}
