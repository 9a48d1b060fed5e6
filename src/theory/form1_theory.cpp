#include "theory/form1_theory.h"

#include "app/form1.h"

namespace sonrel {

TheoryController::TheoryController(Form1& form) : QObject(&form), form_(form) {}

TheoryController::~TheoryController() = default;

} // namespace sonrel
