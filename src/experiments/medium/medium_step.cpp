#include "experiments/medium/medium_experiment.h"

#include "base/checked_math.h"
#include "base/numbers.h"
#include "base/signal_delay.h"
#include "experiments/emission.h"
#include "experiments/medium/medium_drawing.h"
#include "experiments/medium/medium_texts.h"
#include "experiments/picture_reach.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace sonrel {

namespace {
constexpr Color kBeamColor = rgb(0, 255, 255);
constexpr Color kSearchBeamColor = rgb(0, 0, 250);

double cross(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// The front between two neighbouring rays over one step, seen from the
// receiver: the point s of the segment joining the rays (0 at the first, 1 at
// the second) at the fraction u of the step lies at A + s·B + u·C + s·u·E,
// A and B from the rays' start points, C and E from their moves (less the
// receiver's). The front meets the receiver where that vector is zero.
struct FrontSegment {
    double Ax, Ay, Bx, By, Cx, Cy, Ex, Ey;
};

// The fraction of the step at which the front meets the receiver, when the
// receiver lies between the two rays' tracks (the quadratic below then
// changes sign over 0 .. 1); outside 0 .. 1 when they meet in another step.
double frontMeetsReceiver(const FrontSegment& f) {
    // A + s·B and C + s·E are parallel at the meeting point.
    const double a = cross(f.Bx, f.By, f.Ex, f.Ey);
    const double b = cross(f.Ax, f.Ay, f.Ex, f.Ey) + cross(f.Bx, f.By, f.Cx, f.Cy);
    const double c = cross(f.Ax, f.Ay, f.Cx, f.Cy);
    double s;
    if (std::fabs(a) <= 1e-12 * (std::fabs(b) + std::fabs(c))) {
        if (b == 0) return -1;
        s = -c / b;
    } else {
        const double disc = b * b - 4 * a * c;
        if (disc < 0) return -1;
        const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
        const double s1 = q / a;
        s = s1 >= 0 && s1 <= 1 ? s1 : c / q;
    }
    s = std::clamp(s, 0.0, 1.0);
    const double wx = f.Cx + s * f.Ex, wy = f.Cy + s * f.Ey;
    const double w2 = wx * wx + wy * wy;
    if (!(w2 > 0)) return -1;
    return -((f.Ax + s * f.Bx) * wx + (f.Ay + s * f.By) * wy) / w2;
}

void moveBodies(SharedState& st) {
    st.T += st.dt;
    st.X(1) += st.dt * st.VX(1);
    st.Y(1) += st.dt * st.VY(1);
    st.X(2) += st.dt * st.VX(2);
    st.Y(2) += st.dt * st.VY(2);
    for (double v : {st.T, st.X(1), st.Y(1), st.X(2), st.Y(2)})
        finite(v, "bodies out of range");
}
} // namespace

double MediumExperiment::rayAngle(double dx, double dy) const {
    return vectorAngleRad(st.pi, dx, dy);
}

void MediumExperiment::step(const MediumOptions& o, Canvas* canvas, Prompts& prompts) {
    // Every drawing divides by the picture scale.
    if (canvas && (o.animation || o.middleRay)) requireScale();
    settleVectorRegisters();
    ++st.stepCount;
    moveBodies(st);
    const double shift = o.frameThroughMedium() ? VXiso * st.T : 0;
    const bool displayStep = st.stepCount == st.NC0;

    if (allFronts) {
        emitDueBeams();
        if (traceAllBeams(o, canvas, shift, displayStep)) arrivalFlag_ = 1;
    } else {
        if (k <= 20 && !(st.X(2) < st.Xn2(k))) {
            // Beams past the twentieth have no period records: nothing is emitted.
            const double startX = st.Xn2(k);
            if (st.X(2) > startX && startX + 1.01 * st.dt * st.VX(2) > st.X(2)) {
                beam.emitFan(st.X(2), st.Y(2), a0, da, medium.density(1));
                beamInFlight = true;
            }
            arrivalsThisStep_ = 0;
            traceBeam(o, canvas, prompts, shift, displayStep);
        }
        // With the beam received and the source past the start point of the
        // next one, that beam can never leave and nothing can arrive any
        // more: the run stops at its next display step.
        if (!beamInFlight && k <= 20 && !emitStillAhead()) {
            st.stopFlag = 1;
            endedByItself = true;
        }
    }

    if (arrivalFlag_ != 0) {
        arrivalFlag_ = 0;
        if (o.animation && canvas) {
            drawMediumAnimationGrid(*canvas);
            drawArrivalMarks(*canvas, o);
            oscillationDrawn_ = 0; // the grid covered part of it
        }
        if (k == 21) {
            st.stopFlag = 1;
            endedByItself = true;
        }
        // Without "Auto" the question follows every recorded arrival.
        for (int n = 0; n < std::max(arrivalsThisStep_, 1); ++n)
            if (!o.autoRun &&
                !prompts.askYesNo(medium_texts::kContinueQuestion, medium_texts::kContinueTitle)) {
                st.stopFlag = 1;
                break;
            }
    }

    st.Vs = Vs0;
    if (st.stepCount == st.NC0) {
        st.stepCount = 0;
        display.T = st.T;
        if (o.animation && canvas) drawOscillationAndBodies(*canvas, o);
    }
}

void MediumExperiment::traceBeam(const MediumOptions& o, Canvas* canvas, Prompts& prompts,
                                 double shift, bool displayStep) {
    // The beam's steps go to the canvas as one batch, in their order: before
    // the middle ray's own mark, before an arrival is handled, at the end,
    // and when a fault ends the step.
    beamMoves_.clear();
    RayArrival arrival;
    try {
        // A received beam flies on and is drawn, but it is received once.
        if (!traceRays(beam, o, canvas, shift, displayStep, st.dt, beamInFlight, false, arrival)) {
            flushBeam(canvas);
            return;
        }
    } catch (...) {
        flushBeam(canvas);
        throw;
    }
    arrivalFlag_ = arrival.flag;
    beamInFlight = false;
    acceptArrival(o, arrival);
    checkOverrun(o, prompts, k - 1);
}

bool MediumExperiment::emitStillAhead() const {
    return emissionStillAhead(st.X(2), st.VX(2), st.Xn2(k), st.dt);
}

void MediumExperiment::acceptArrival(const MediumOptions& o, const RayArrival& a) {
    st.Vs = a.layerVs; // the relativistic formula uses the arriving ray's layer
    recordArrival(o, a);
    if (k >= 2) processPeriod(o);
    display.period = k - 1;
    ++k; // the arrival is recorded whatever the overrun check finds
}

void MediumExperiment::emitDueBeams() {
    // Beam m leaves at T0 + (m − 1)·T00 from where the source then is; in
    // the step in which that moment falls its rays fly only for the part of
    // the step after it.
    while (emitted < 20 && st.T >= st.Tn2(emitted + 1)) {
        const int m = ++emitted;
        Beam& b = flight_[m];
        b.resize(Nr + 1);
        b.emitFan(st.Xn2(m), st.Yn2(m), a0, da, medium.density(1));
        b.emittedAt = st.Tn2(m);
        // A source that has left layer 1 emits rays that never pass through
        // it: they keep the speed of layer 1 as their emission speed.
        std::fill(b.Vs2.begin(), b.Vs2.end(), Vs0 / medium.density(1));
        inFlight_[m] = 1;
    }
}

bool MediumExperiment::traceAllBeams(const MediumOptions& o, Canvas* canvas, double shift,
                                     bool displayStep) {
    beamMoves_.clear();
    // "фронты после приема" draws only: the beams drawn on after their arrival.
    const bool keep = o.keepFronts && o.animation && canvas;
    try {
        for (Beam& b : passed_)
            if (b.rays() > 0) keepDrawing(b, keep, o, canvas, shift, displayStep, 0);
        for (int m = std::max(k, 1); m <= emitted; ++m) {
            if (!inFlight_[m]) continue;
            const double h = std::min(st.dt, st.T - flight_[m].emittedAt);
            if (!(h > 0)) continue; // leaves at the very end of this step
            const bool arrived =
                traceRays(flight_[m], o, canvas, shift, displayStep, h, true, true, arrivals_[m]);
            // A beam that has arrived has done its work; one whose every ray
            // stands (above the last traced layer or in too thin a layer) can
            // never arrive, since a ray that is not moved is not tested either.
            // Either way its rays are let go.
            if (arrived || !flight_[m].moving) {
                inFlight_[m] = 0;
                pending_[m] = arrived;
                if (arrived && keep) {
                    passed_[m] = std::move(flight_[m]);
                    keepDrawing(passed_[m], true, o, canvas, shift, displayStep,
                                arrivals_[m].j + 1);
                }
                flight_[m] = Beam{};
            }
        }
    } catch (...) {
        flushBeam(canvas);
        throw;
    }
    flushBeam(canvas);
    // Arrivals are recorded in the order of the beams.
    arrivalsThisStep_ = 0;
    while (k <= 20 && pending_[k]) {
        pending_[k] = 0;
        acceptArrival(o, arrivals_[k]);
        ++arrivalsThisStep_;
    }
    return arrivalsThisStep_ > 0;
}

void MediumExperiment::keepDrawing(Beam& b, bool keep, const MediumOptions& o, Canvas* canvas,
                                   double shift, bool displayStep, int first) {
    if (keep) {
        try {
            RayArrival none;
            const double h = std::min(st.dt, st.T - b.emittedAt);
            traceRays(b, o, canvas, shift, displayStep, h, false, true, none, first);
            // Whether it can still show is asked when it is drawn.
            if (!displayStep) return;
            for (int j = 0; j < b.rays(); ++j)
                if (rayMayShow(b, j, *canvas, shift, o.frameThroughMedium())) return;
        } catch (const MathError&) {
            // The beam has done its work; a fault in its drawing must not end the run.
        }
    }
    b = Beam{};
}

bool MediumExperiment::rayMayShow(const Beam& b, int j, const Canvas& c, double shift,
                                  bool through) const {
    // A ray above the traced layers or in too thin a layer stands (as in traceRays).
    const double layer = medium.layerOf(b.Yo[j]);
    if (!(layer <= static_cast<double>(medium.layers()) + 20)) return false;
    const double P = medium.density(layer);
    if (P < 0.1) return false;
    const double x = (b.Xo[j] - shift) / M, y = b.Yo[j] / M;
    if (onPicture(c, x, y)) return true;
    // Off the picture it shows again only when heading back towards it (the
    // direction along X keeps its sign through refraction and reflection).
    const double vx = (Vs0 / P * b.sinA[j] - (through ? VXiso : 0)) / M;
    const double vy = b.dir[j] * std::sqrt(1 - b.sinA[j] * b.sinA[j]) / M;
    const double left = std::min(c.scaleLeft(), c.scaleRight());
    const double right = std::max(c.scaleLeft(), c.scaleRight());
    const double bottom = std::min(c.scaleTop(), c.scaleBottom());
    const double top = std::max(c.scaleTop(), c.scaleBottom());
    return !((x < left && vx <= 0) || (x > right && vx >= 0) || (y < bottom && vy <= 0) ||
             (y > top && vy >= 0));
}

void MediumExperiment::flushBeam(Canvas* canvas) {
    if (beamMoves_.empty()) return;
    canvas->lines(beamMoves_.data(), beamMoves_.size() / 4, kBeamColor);
    beamMoves_.clear();
}

bool MediumExperiment::traceRays(Beam& b, const MediumOptions& o, Canvas* canvas, double shift,
                                 bool displayStep, double h, bool test, bool exact,
                                 RayArrival& arrival, int first) {
    const double X1 = st.X(1), Y1 = st.Y(1);
    const double layerLimit = static_cast<double>(medium.layers()) + 20;
    const bool through = o.frameThroughMedium();
    const bool correct = through && VXiso != 0; // the identity when the frame is at rest
    const bool drawBeam = o.animation && displayStep && canvas;
    const int middle = (o.middleRay && canvas && Nr % 2 == 0) ? Nr / 2 : -1;
    // The receiver's move over the rays' part of the step.
    const double rdx = h * st.VX(1), rdy = h * st.VY(1);
    const double rx = X1 - rdx, ry = Y1 - rdy;
    const int n = b.rays();
    double* sinA = b.sinA.data();
    double* dir = b.dir.data();
    double* Pr = b.Pr.data();
    double* Xo = b.Xo.data();
    double* Yo = b.Yo.data();
    double* Xn = b.Xn.data();
    double* Yn = b.Yn.data();
    int moved = 0;
    // Ray j − 1 as this step left it: whether it moved, where from, how far,
    // its direction and the receiver's side of its track.
    bool prevMoved = false;
    double prevOx = 0, prevOy = 0, prevDx = 0, prevDy = 0, prevA = 0, prevSide = 0;

    for (int j = first; j < n; ++j) {
        const double layer = medium.layerOf(Yo[j]);
        if (std::isnan(layer)) throw MathError("layer of a ray undefined");
        // A ray that is not moved takes no part in an arrival.
        if (layer > layerLimit) {
            prevMoved = false;
            continue;
        }
        const double P = medium.density(layer);
        if (P < 0.1) {
            prevMoved = false;
            continue;
        }
        // A totally reflected ray keeps the density it still travels in.
        const bool reflected = P != Pr[j] && refract(sinA[j], dir[j], Pr[j], P);
        const double Vs = Vs0 / P;
        const double ds = Vs * h;
        const double sn = sinA[j];
        const double cs = std::sqrt(1 - sn * sn);
        Xn[j] = Xo[j] + ds * sn;
        Yn[j] = Yo[j] + dir[j] * ds * cs;
        if (!std::isfinite(Xn[j]) || !std::isfinite(Yn[j])) throw MathError("ray out of range");
        ++moved;

        if (drawBeam) {
            const double move[] = {(Xo[j] - shift) / M, Yo[j] / M, (Xn[j] - shift) / M, Yn[j] / M};
            beamMoves_.insert(beamMoves_.end(), std::begin(move), std::end(move));
        }
        if (j == middle) {
            flushBeam(canvas);
            canvas->line((Xo[j] - shift) / M, Yo[j] / M, (Xn[j] - shift) / M, Yn[j] / M,
                         colors::black);
        }

        // Direction of the ray; seen from a frame moving through the medium
        // its velocity is (Vs·cos a − VXiso, Vs·sin a).
        const double mx = Xn[j] - Xo[j], my = Yn[j] - Yo[j];
        double dx = mx, dy = my, speed = Vs;
        if (correct) {
            const bool still = mx == 0 && my == 0;
            dx = Vs * (still ? 1 : sn) - VXiso;
            dy = Vs * (still ? 0 : dir[j] * cs);
            speed = std::sqrt(dx * dx + dy * dy);
        }
        const double a = rayAngle(dx, dy);
        if (layer == 1) {
            b.Vs2[j] = speed;
            if (through) b.theta1[j] = st.pi / 2 - a;
        }

        // Seen from the receiver, the side of this ray's track it lies on.
        const double side = cross(Xo[j] - rx, Yo[j] - ry, mx - rdx, my - rdy);
        int flag = 0;
        double tArr = st.T;
        if (test && j >= 1 && prevMoved) {
            if (exact) {
                // The front between the two rays meets the receiver where
                // the receiver crosses from one side of the tracks to the other.
                if ((prevSide <= 0) != (side <= 0)) {
                    const double u = frontMeetsReceiver({prevOx - rx, prevOy - ry, Xo[j] - prevOx,
                                                         Yo[j] - prevOy, prevDx - rdx, prevDy - rdy,
                                                         mx - prevDx, my - prevDy});
                    if (u >= -1e-9 && u <= 1) {
                        flag = 2;
                        tArr = st.T - (1 - std::max(u, 0.0)) * h;
                    }
                }
            } else if (Xn[j - 1] < X1 && Xn[j] > X1) {
                if (Yn[j - 1] > Y1) flag = 1;
                if (Yn[j] > Y1) flag = 2;
            }
        }
        if (flag != 0) {
            flushBeam(canvas);
            // The bodies where they were at the arrival, within the step.
            const double back = st.T - tArr;
            arrival.j = j;
            arrival.flag = flag;
            arrival.T = tArr;
            arrival.X1 = X1 - back * st.VX(1);
            arrival.Y1 = Y1 - back * st.VY(1);
            arrival.X2 = st.X(2) - back * st.VX(2);
            arrival.Y2 = st.Y(2) - back * st.VY(2);
            arrival.shift = through ? shift - back * VXiso : shift;
            arrival.speed = speed;
            arrival.a = a;
            arrival.prevA = prevA;
            arrival.layerVs = Vs;
            arrival.Vs2 = b.Vs2[j];
            arrival.theta1 = b.theta1[j];
            if (exact) {
                // A beam among all in flight may be drawn on after its
                // arrival: ray j ends its step, the rays after it go on from
                // j + 1 (see keepDrawing).
                if (!reflected) Pr[j] = P;
                Xo[j] = Xn[j];
                Yo[j] = Yn[j];
            }
            return true; // the rays after j wait for the next step
        }
        prevMoved = true;
        prevOx = Xo[j];
        prevOy = Yo[j];
        prevDx = mx;
        prevDy = my;
        prevA = a;
        prevSide = side;
        if (!reflected) Pr[j] = P;
        Xo[j] = Xn[j];
        Yo[j] = Yn[j];
    }
    b.moving = moved > 0;
    return false;
}

void MediumExperiment::recordArrival(const MediumOptions& o, const RayArrival& r) {
    Vs1(k) = r.speed;
    Vs2(k) = r.Vs2;
    st.Tn1(k) = r.T;
    Tn1p(k) = G1 * r.T;
    if (o.delay) {
        // Moments as seen at the origin by a signal of speed Vsv.
        st.Tn2(k) += safeDiv(std::hypot(st.Xn2(k), st.Yn2(k)), Vsv);
        const double toReceiver = safeDiv(std::hypot(r.X1, r.Y1), Vsv);
        st.Tn1(k) += toReceiver;
        Tn1p(k) += toReceiver;
    }
    st.Xk2(k) = r.X2 - r.shift;
    st.Yk2(k) = r.Y2;
    st.Xk1(k) = r.X1 - r.shift;
    st.Yk1(k) = r.Y1;
    Qa(k) = (r.prevA + r.a) / 2;
    Qe(k) = st.pi / 2 - r.theta1 + da / 2;
    const double Qn3 = rayAngle(st.Xk1(k - 1) - Xe(k - 1), st.Yk1(k - 1) - st.Yn2(k - 1));
    Q3(k) = rayAngle(st.Xk1(k) - Xe(k), st.Yk1(k) - st.Yn2(k));
    const double A1 = o.byQ3 ? Q3(k) : Qa(k);
    const double A2 = o.byQ3 ? Q3(k) : Qe(k);
    st.QV1(k) -= A1;
    st.QV2(k) -= A2;

    display.Qn3 = Qn3 * st.degPerRad;
    display.Qk3 = Q3(k) * st.degPerRad;
    display.Xk1 = st.Xk1(k);
    display.Yk1 = st.Yk1(k);
    display.Xk2 = st.Xk2(k);
    display.Yk2 = st.Yk2(k);
}

void MediumExperiment::processPeriod(const MediumOptions& o) {
    const int i = k - 1;
    const double dT = Tn1p(k) - Tn1p(k - 1);
    display.v = safeDiv(1, dT);
    display.Tn1 = Tn1p(k - 1);
    display.Tk1 = Tn1p(k);
    vn(i) = frequencyAt(k - 1, o.frame, st.Vs);
    vk(i) = frequencyAt(k, o.frame, st.Vs);
    vsr(i) = (vn(i) + vk(i)) / 2;
    display.Qn1s = st.QV1(k - 1) * st.degPerRad;
    display.Qn1e = st.QV1(k) * st.degPerRad;
    display.Qn2s = st.QV2(k - 1) * st.degPerRad;
    display.Qn2e = st.QV2(k) * st.degPerRad;
    display.Vs1s = Vs1(k - 1);
    display.Vs1e = Vs1(k);
    display.Vs2s = Vs2(k - 1);
    display.Vs2e = Vs2(k);
    display.vn = vn(i);
    display.vk = vk(i);
    display.vsr = vsr(i);
}

void MediumExperiment::checkOverrun(const MediumOptions& o, Prompts& prompts, int arrived) {
    // After the twentieth arrival no period follows that could be overrun.
    if (!overrunArmed || o.delay || arrived >= 20) return;
    const double nextStart = st.Tn2(arrived + 1);
    if (!(st.Tn1(arrived) > nextStart)) return;
    overrunArmed = false;
    if (!prompts.askYesNo(medium_texts::overrunQuestion(st.Tn1(arrived), nextStart),
                          medium_texts::kOverrunTitle))
        st.stopFlag = 1;
}

void MediumExperiment::searchStep(Canvas* canvas, bool animation) {
    moveBodies(st);
    const double dt = st.dt, X1 = st.X(1), Y1 = st.Y(1);
    const double layerLimit = static_cast<double>(medium.layers()) + 10;
    const bool draw = animation && canvas && st.NC0 == st.stepCount + 1;
    const int n = beam.rays();
    for (int j = 0; j < n; ++j) {
        const double layer = medium.layerOf(beam.Yo[j]);
        if (std::isnan(layer)) throw MathError("layer of a ray undefined");
        if (layer > layerLimit) continue;
        const double P = medium.density(layer);
        if (P < 0.1) continue;
        const double ds = Vs0 / P * dt;
        const bool reflected =
            std::fabs(beam.Pr[j] - P) > 1e-6 && refract(beam.sinA[j], beam.dir[j], beam.Pr[j], P);
        const double sn = beam.sinA[j];
        beam.Xn[j] = beam.Xo[j] + ds * sn;
        beam.Yn[j] = beam.Yo[j] + beam.dir[j] * ds * std::sqrt(1 - sn * sn);
        if (!std::isfinite(beam.Xn[j]) || !std::isfinite(beam.Yn[j]))
            throw MathError("ray out of range");
        if (draw) {
            requireScale();
            canvas->line(beam.Xo[j] / M, beam.Yo[j] / M, beam.Xn[j] / M, beam.Yn[j] / M,
                         kSearchBeamColor);
        }
        if (!reflected) beam.Pr[j] = P;
        beam.Xo[j] = beam.Xn[j];
        beam.Yo[j] = beam.Yn[j];
        if (j >= 1 && beam.Yo[j - 1] > Y1 && beam.Xo[j - 1] < X1 && beam.Xo[j] > X1)
            st.stopFlag = 1;
    }
    st.T00 = finite(st.T - T1);
    st.v0 = safeDiv(1, st.T00);
    display.T00 = st.T00;
    display.v0 = st.v0;
    display.T = st.T;
    if (++st.stepCount == st.NC0) {
        st.stepCount = 0;
        if (canvas) {
            requireScale();
            drawSearchBodies(*canvas);
        }
    }
}

} // namespace sonrel
