#pragma once
// Single-instance windows Form1..Form10: created on first use, shown
// modeless, brought to the front when shown again.
#include <QPointer>
#include <array>
#include <vector>

namespace sonrel {

class FormBase;
struct AppContext;

// How a window is made; create is null while the window is not built yet.
struct FormFactory {
    FormBase* (*create)(AppContext&) = nullptr;
};

class WindowRegistry {
public:
    explicit WindowRegistry(AppContext& app) : app_(app) {}

    // True when window n exists in this program (its navigation button works).
    bool available(int n) const;
    // Creates window n if needed, shows it and brings it to the front.
    FormBase* show(int n);
    // Creates window n hidden if needed (for writers that address it unshown).
    FormBase* ensure(int n);
    // The loaded window n, or null.
    FormBase* get(int n) const;
    // Unloads window n (its contents are lost).
    void unload(int n);
    // Unloads Form1 .. Form10 in order; the program ends when none is left.
    void unloadAll();
    // Called by a window when it unloads.
    void forget(int n, FormBase* form);

    // Called by every window when it is made and when it is destroyed.
    void attach(FormBase* form);
    void detach(FormBase* form);

    // With this on, the program ends (exit code 0) when a window goes and
    // no window is left to be seen and no loop or question of a window is
    // still on the stack. A window closed during its run hides and goes only
    // after its loop has returned, which the window system's own "last
    // window closed" never notices. Off in tests that share one process.
    void setEndsProgram(bool on) { endsProgram_ = on; }

private:
    void endProgramIfNothingLeft();

    AppContext& app_;
    std::array<QPointer<FormBase>, 11> forms_{};
    std::vector<FormBase*> living_;
    bool endsProgram_ = false;
};

// One per window, defined beside each window's class.
FormFactory form1Factory();
FormFactory form2Factory();
FormFactory form3Factory();
FormFactory form4Factory();
FormFactory form5Factory();
FormFactory form6Factory();
FormFactory form7Factory();
FormFactory form8Factory();
FormFactory form9Factory();
FormFactory form10Factory();

} // namespace sonrel
