#include "experiments/classic/form1_classic.h"

#include "app/form1.h"

namespace sonrel {

ClassicController::ClassicController(Form1& form) : QObject(&form), form_(form) {}

ClassicController::~ClassicController() = default;

} // namespace sonrel
