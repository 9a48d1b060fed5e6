#pragma once
// A report sink that hands every printed text to a function (clear does nothing).
#include "ui/experiment.h"

#include <functional>
#include <string>

namespace sonrel {

struct PrintSink : ReportSink {
    explicit PrintSink(std::function<void(double, const std::string&)> f = {}) : f_(std::move(f)) {}
    void clear() override {}
    void print(double y, const std::string& text) override {
        if (f_) f_(y, text);
    }
    // The temporary as an lvalue, for a call that takes the sink by reference.
    PrintSink& self() { return *this; }

private:
    std::function<void(double, const std::string&)> f_;
};

} // namespace sonrel
