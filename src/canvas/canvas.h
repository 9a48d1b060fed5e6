#pragma once
// The drawing surface every window's pictures are written against: a user
// coordinate scale, lines, circles, points and text at a current position,
// over a persistent image. Colours are r + 256·g + 65536·b.
#include <cstddef>
#include <cstdint>
#include <string>

namespace sonrel {

using Color = std::int32_t;

constexpr Color rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

namespace colors {
constexpr Color black = 1; // the system's "colour value 1"
constexpr Color white = rgb(255, 255, 255);
constexpr Color grid = rgb(200, 200, 200);
constexpr Color receiver = rgb(0, 0, 250);
constexpr Color source = rgb(250, 0, 0);
} // namespace colors

// Near-white is the colour of the paper: a primitive drawn in it (white, or
// the RGB(250, 250, 250) the animations wipe their fronts with) erases what
// was drawn there, restoring the background layer beneath: the grid and its
// labels stay.
constexpr bool erases(Color c) {
    return (c & 0xff) >= 250 && ((c >> 8) & 0xff) >= 250 && ((c >> 16) & 0xff) >= 250;
}

class Canvas {
public:
    virtual ~Canvas() = default;

    // User scale: left x1, top y1, right x2, bottom y2 (y2 < y1 means y grows upward).
    void scale(double x1, double y1, double x2, double y2) {
        x1_ = x1;
        y1_ = y1;
        x2_ = x2;
        y2_ = y2;
        onScale();
    }
    double scaleLeft() const { return x1_; }
    double scaleTop() const { return y1_; }
    double scaleRight() const { return x2_; }
    double scaleBottom() const { return y2_; }

    // Fill with the background colour; the current position goes to the top-left corner.
    // The background layer becomes the plain background colour again.
    virtual void clear() = 0;
    // What the picture shows now (a grid with its axes and labels) becomes
    // the background layer that erasing restores. Inside an animation frame
    // the layer stays as it was.
    virtual void keepAsBackground() {}
    virtual void line(double x1, double y1, double x2, double y2, Color c) = 0;
    // Circle outline; r in units of the x axis.
    virtual void circle(double x, double y, double r, Color c) = 0;
    // One point of the draw width.
    virtual void point(double x, double y, Color c) = 0;
    // Many points of one colour; a canvas may draw a batch faster than one by
    // one. A caller that redraws the same batch may number its versions: the
    // same nonzero revision promises the same points as last time.
    virtual void points(const double* xs, const double* ys, std::size_t n, Color c,
                        std::uint64_t revision = 0) {
        (void)revision;
        for (std::size_t k = 0; k < n; ++k)
            point(xs[k], ys[k], c);
    }
    // Many lines of one colour, ends[4k..4k+3] = x1, y1, x2, y2 of line k.
    virtual void lines(const double* ends, std::size_t n, Color c) {
        for (std::size_t k = 0; k < n; ++k)
            line(ends[4 * k], ends[4 * k + 1], ends[4 * k + 2], ends[4 * k + 3], c);
    }
    // Draws text with its top-left corner at the current position. A line
    // break returns to the scale's left edge one text line down; afterwards
    // the current position is the start of the next line.
    virtual void print(const std::string& text) = 0;
    // Like print, for the numbers of an axis: a canvas that knows the size of
    // its text moves a line that would be cut at the picture's edge inside.
    virtual void printWithin(const std::string& text) { print(text); }

    // An animation frame: the primitives drawn between beginFrame and endFrame
    // replace those of the previous frame. A canvas may then paint only what
    // differs and what it overlaps; the picture is the same as painting all.
    virtual void beginFrame() {}
    virtual void endFrame() {}

    void setCurrent(double x, double y) {
        currentX_ = x;
        currentY_ = y;
    }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }

    void setDrawWidth(int w) { drawWidth_ = w < 1 ? 1 : w; }
    int drawWidth() const { return drawWidth_; }

    void setTextColor(Color c) { textColor_ = c; }
    Color textColor() const { return textColor_; }

    void setBackground(Color c) { background_ = c; }
    Color background() const { return background_; }

protected:
    virtual void onScale() {}
    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    double currentX_ = 0, currentY_ = 0;
    int drawWidth_ = 1;
    Color textColor_ = 0;
    Color background_ = colors::white;
};

// Brackets one animation frame, also when its drawing throws.
class FrameScope {
public:
    explicit FrameScope(Canvas& c) : c_(c) { c_.beginFrame(); }
    ~FrameScope() { c_.endFrame(); }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;

private:
    Canvas& c_;
};

} // namespace sonrel
