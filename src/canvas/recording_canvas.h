#pragma once
// A canvas that records what is drawn, so a test can say "after clear only
// the grid and axes are drawn" without looking at pixels.
#include "canvas/canvas.h"

#include <string>
#include <vector>

namespace sonrel {

struct DrawOp {
    enum Kind { Clear, Line, Circle, Point, Print } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line ends; circle/point/print use x1, y1 (x2 = r)
    Color color = 0;
    int width = 1;
    std::string text;
};

class RecordingCanvas : public Canvas {
public:
    void clear() override {
        ops.push_back({DrawOp::Clear, 0, 0, 0, 0, 0, drawWidth_, {}});
        setCurrent(x1_, y1_);
    }
    void line(double x1, double y1, double x2, double y2, Color c) override {
        ops.push_back({DrawOp::Line, x1, y1, x2, y2, c, drawWidth_, {}});
    }
    void circle(double x, double y, double r, Color c) override {
        ops.push_back({DrawOp::Circle, x, y, r, 0, c, drawWidth_, {}});
    }
    void point(double x, double y, Color c) override {
        ops.push_back({DrawOp::Point, x, y, 0, 0, c, drawWidth_, {}});
    }
    void print(const std::string& text) override {
        ops.push_back({DrawOp::Print, currentX_, currentY_, 0, 0, textColor_, drawWidth_, text});
        // One text line of a nominal height in user units per printed line.
        std::size_t lines = 1;
        for (char ch : text)
            if (ch == '\n') ++lines;
        const double step = (y1_ > y2_ ? -1.0 : 1.0) * lineHeight;
        setCurrent(x1_, currentY_ + step * static_cast<double>(lines));
    }
    std::size_t count(DrawOp::Kind k) const {
        std::size_t n = 0;
        for (const auto& op : ops)
            if (op.kind == k) ++n;
        return n;
    }
    std::string printedText() const {
        std::string all;
        for (const auto& op : ops)
            if (op.kind == DrawOp::Print) all += op.text;
        return all;
    }

    std::vector<DrawOp> ops;
    double lineHeight = 1.0;
};

} // namespace sonrel
