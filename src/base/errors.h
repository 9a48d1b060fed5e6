#pragma once
// Failure kinds that a button handler maps to the system's message boxes.
#include <stdexcept>
#include <string>

namespace sonrel {

// A field does not hold a number ("Введите правильно данные").
struct InputError : std::runtime_error {
    explicit InputError(const std::string& what) : std::runtime_error(what) {}
};

// A floating-point fault: division by zero, root of a negative number,
// overflow or NaN. C++ raises nothing by itself, so the code checks and throws.
struct MathError : std::runtime_error {
    explicit MathError(const std::string& what) : std::runtime_error(what) {}
};

// An index outside a record (a period past 20, a body index past its array).
struct IndexError : std::out_of_range {
    explicit IndexError(const std::string& what) : std::out_of_range(what) {}
};

} // namespace sonrel
