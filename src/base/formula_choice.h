#pragma once
// Which theory formula the main window's theory panel has chosen. Kept in the
// foundation so that every window can be handed the choice without knowing
// the formulas themselves.

namespace sonrel {

enum class MainFormula { Relativity, Welt, Lorentz, Classical };
enum class WeltVariant { V3_1, V3_2 };
// The special-relativity variant ticked under "СТО" (at most one).
enum class RelativityVariant { None, V4_1, V4_2, V4_3, V4_5 };

struct FormulaSelection {
    MainFormula formula = MainFormula::Lorentz;
    RelativityVariant variant = RelativityVariant::None;
    WeltVariant welt = WeltVariant::V3_2;
    bool exactCorrections = true; // formula (3): exact dv1, dv2
    bool wavelength = false;      // "L/L0": the field holds L0, the result is L
};

} // namespace sonrel
