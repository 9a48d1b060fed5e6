#pragma once
// A membrane run driven without windows: the window's default fields, a
// scripted answerer, and a loop that steps like the window does.
#include "base/shared_state.h"
#include "experiments/membrane/membrane_model.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sonrel::testing {

struct ScriptedHooks : Prompts {
    explicit ScriptedHooks(SharedState& s) : s(s) {}
    void tell(const std::string& text, const std::string& title) override {
        told.push_back(title + "|" + text);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        asked.push_back(title + "|" + text);
        return answerYes;
    }
    // What a step showed: the period it completed and the front it received.
    void record(const MembraneStep& r, const MembraneModel& m) {
        if (r.periodCompleted) {
            periods.push_back(m.shownPeriod);
            frontAtPeriod.push_back(m.receivedCount);
        }
        if (r.frontReceived) endSpread.push_back(s.Tk1(m.receivedCount) - s.Tn1(m.receivedCount));
    }
    SharedState& s;
    bool answerYes = true;
    std::vector<std::string> told, asked;
    std::vector<PeriodShown> periods;
    std::vector<int> frontAtPeriod;
    std::vector<double> endSpread; // time between the two ends' arrivals
};

class MembraneRun : public ::testing::Test {
protected:
    // The window's defaults: receiver at (56,6; 50) with VX1 6, source at the
    // origin with VX2 10, Vs 20, T00 2,5, L1 40, L2 20, A1 = A2 = 90°.
    void SetUp() override {
        s.X(1) = 56.6;
        s.Y(1) = 50;
        s.VX(1) = 6;
        s.VY(1) = 0;
        s.X(2) = 0;
        s.Y(2) = 0;
        s.VX(2) = 10;
        s.VY(2) = 0;
        s.Vs = 20;
        s.dt = 1e-3;
        s.NC0 = 20;
        s.pictureScale = 10;
        setPeriod(2.5);
        m.L1 = 40;
        m.L2 = 20;
        m.A1 = m.A2 = s.pi / 2;
    }
    void setPeriod(double T00) {
        s.T00 = T00;
        s.v0 = 1 / T00;
    }
    // Steps like the window until the run ends; returns the number of steps.
    long runToEnd(long maxSteps = 200000) {
        long n = 0;
        while (n < maxSteps) {
            ++n;
            const MembraneStep r = m.stepMembrane(s, opt, hooks);
            hooks.record(r, m);
            if (!r.goesOn) break;
            if (s.stepCount >= s.NC0) {
                s.stepCount = 0;
                if (s.stopFlag == 1) break;
            }
        }
        return n;
    }
    SharedState s;
    MembraneModel m;
    MembraneOptions opt;
    ScriptedHooks hooks{s};
};

} // namespace sonrel::testing
