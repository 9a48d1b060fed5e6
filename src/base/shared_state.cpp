#include "base/shared_state.h"

namespace sonrel {

void throwIndexOutside(int i, int lo, int hi) {
    throw IndexError("index " + std::to_string(i) + " outside " + std::to_string(lo) + ".." +
                     std::to_string(hi));
}

} // namespace sonrel
