#include "experiments/drag_bodies.h"

#include <cmath>

namespace sonrel {

bool PictureView::drawable() const {
    const double w = rect.right - rect.left, h = rect.bottom - rect.top;
    return scale > 0 && std::isfinite(scale) && w != 0 && h != 0 && std::isfinite(w) &&
           std::isfinite(h) && widthPx > 0 && heightPx > 0;
}

PixelPoint PictureView::toPixels(double xMetres, double yMetres) const {
    return {(xMetres / scale - rect.left) / (rect.right - rect.left) * widthPx,
            (yMetres / scale - rect.top) / (rect.bottom - rect.top) * heightPx};
}

double PictureView::metresPerPixelX() const {
    return (rect.right - rect.left) / widthPx * scale;
}

double PictureView::metresPerPixelY() const {
    return (rect.bottom - rect.top) / heightPx * scale;
}

HandlePlaces handlePlaces(const PictureView& view, const BodyStart& b) {
    return {view.toPixels(b.x, b.y),
            view.toPixels(b.x + b.vx * kArrowSeconds, b.y + b.vy * kArrowSeconds)};
}

Handle handleAt(const PictureView& view, const BodyStarts& bodies, PixelPoint p,
                bool preferVelocity, double tolerancePx) {
    Handle best;
    double bestDistance = tolerancePx;
    // Looked at in order of preference: a later handle must be strictly nearer.
    const HandleKind order[2] = {preferVelocity ? HandleKind::Velocity : HandleKind::Place,
                                 preferVelocity ? HandleKind::Place : HandleKind::Velocity};
    for (HandleKind kind : order)
        for (int body = 0; body < 2; ++body) {
            if (!bodies[body]) continue;
            const HandlePlaces h = handlePlaces(view, *bodies[body]);
            const PixelPoint at = kind == HandleKind::Place ? h.place : h.head;
            const double d = std::hypot(p.x - at.x, p.y - at.y);
            if (d < bestDistance || (d == bestDistance && !best.valid())) {
                best = {body, kind};
                bestDistance = d;
            }
        }
    return best;
}

double roundToStep(double x, double step) {
    if (!(step > 0) || !std::isfinite(step)) return x;
    // Steps of 1/n (0,5, 0,01) as a division by n: the nearest decimal is hit exactly.
    const double n = std::round(1 / step);
    if (n >= 1 && std::fabs(n * step - 1) < 1e-12) return std::round(x * n) / n;
    return std::round(x / step) * step;
}

double pixelStep(double perPixel) {
    if (!(perPixel > 0) || !std::isfinite(perPixel)) return 0;
    return std::pow(10.0, std::floor(std::log10(perPixel / 10)));
}

namespace {

// from moved by delta pixels of perPixel each, on its step; a coordinate the
// drag has not moved keeps its typed digits unless whole values are asked for.
double moved(double from, double delta, double perPixel, double wholeStep, bool whole) {
    if (delta == 0 && !whole) return from;
    return roundToStep(from + delta * perPixel, whole ? wholeStep : pixelStep(std::fabs(perPixel)));
}

} // namespace

BodyStart draggedBody(const PictureView& view, const BodyStart& atPress, HandleKind kind,
                      PixelPoint deltaPx, bool whole) {
    BodyStart b = atPress;
    const double perX = view.metresPerPixelX(), perY = view.metresPerPixelY();
    if (kind == HandleKind::Place) {
        b.x = moved(atPress.x, deltaPx.x, perX, kWholePlaceStep, whole);
        b.y = moved(atPress.y, deltaPx.y, perY, kWholePlaceStep, whole);
    } else {
        b.vx = moved(atPress.vx, deltaPx.x, perX / kArrowSeconds, kWholeVelocityStep, whole);
        b.vy = moved(atPress.vy, deltaPx.y, perY / kArrowSeconds, kWholeVelocityStep, whole);
    }
    return b;
}

void DragHistory::push(const BodyFieldTexts& before) {
    entries_.push_back(before);
    if (entries_.size() > depth_) entries_.erase(entries_.begin());
}

std::optional<BodyFieldTexts> DragHistory::undo() {
    if (entries_.empty()) return std::nullopt;
    BodyFieldTexts last = entries_.back();
    entries_.pop_back();
    return last;
}

} // namespace sonrel
