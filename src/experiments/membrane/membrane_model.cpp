#include "experiments/membrane/membrane_model.h"

#include "base/checked_math.h"
#include "base/signal_delay.h"
#include "base/translate.h"
#include "experiments/animation_grid.h"
#include "theory/formulas.h"

#include <algorithm>
#include <cmath>

namespace sonrel {

namespace mp = membrane_points;

namespace {

const char* const kTurnReceiverImpossible =
    SONREL_TR_NOOP("Message", "Уменьшите Т00 или увеличьте Y1n\nили отмените условие ++ A1=A2");
const char* const kContinueQuestion = SONREL_TR_NOOP("Message", "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ");

Point midpoint(Point p, Point q) {
    return {(p.x + q.x) / 2, (p.y + q.y) / 2};
}

} // namespace

double MembraneModel::aimDirection(SharedState& s) {
    const double t = arrivalTimePlusFirst(s, s.X(1), s.Y(1), s.X(2), s.Y(2), s.VX(1), s.VY(1));
    s.X(mp::aim) = finite(s.X(1) + t * s.VX(1));
    s.Y(mp::aim) = finite(s.Y(1) + t * s.VY(1));
    return vectorAngleRad(s.pi, s.X(mp::aim) - s.X(2), s.Y(mp::aim) - s.Y(2));
}

void MembraneModel::buildReceiver(SharedState& s, Point centre, double angle) {
    const Segment e = membraneEnds(centre, L1, angle - s.pi / 2);
    putPoint(s, mp::receiverA, e.a);
    putPoint(s, mp::receiverB, e.b);
    drawn.receiverMembrane = false;
}

void MembraneModel::buildSource(SharedState& s, Point centre, double normalDir) {
    const Segment e = membraneEnds(centre, L2, normalDir);
    putPoint(s, mp::sourceA, e.a);
    putPoint(s, mp::sourceB, e.b);
    drawn.sourceMembrane = false;
}

AimResult MembraneModel::aim(SharedState& s, bool a1EqualsA2) {
    const double q3 = aimDirection(s);
    const double dx = s.X(mp::aim) - s.X(2), dy = s.Y(mp::aim) - s.Y(2);
    AimResult r;
    r.travelTime = safeDiv(safeSqrt(dx * dx + dy * dy), s.Vs);
    s.Q3(2) = q3;
    A2 = s.pi / 2 + q3;
    if (a1EqualsA2) A1 = A2;
    r.a1 = A1;
    r.a2 = A2;
    buildReceiver(s, pointAt(s, mp::aim), A1);
    buildSource(s, pointAt(s, mp::source), q3);
    return r;
}

void MembraneModel::start(SharedState& s, const MembraneOptions& opt) {
    s.clearPeriodRecord();
    double q3 = A2 - s.pi / 2, a2 = A2, a1 = A1;
    if (opt.reAimSource) {
        q3 = aimDirection(s);
        a2 = s.pi / 2 + q3;
        if (opt.turnReceiver) a1 = a2;
    }
    const double vfx = s.Vs * std::cos(q3), vfy = s.Vs * std::sin(q3);
    s.V(1) = safeSqrt(s.VX(1) * s.VX(1) + s.VY(1) * s.VY(1));
    s.V(2) = safeSqrt(s.VX(2) * s.VX(2) + s.VY(2) * s.VY(2));
    const double qv1 = vectorAngleRad(s.pi, s.VX(1), s.VY(1));
    const double qv2 = vectorAngleRad(s.pi, s.VX(2), s.VY(2));
    for (int j = 1; j <= kMembraneFronts; ++j) {
        const double t = (j - 1) * s.T00;
        s.Tn2(j) = t;
        s.Xn2(j) = finite(s.X(2) + t * s.VX(2));
        s.Yn2(j) = finite(s.Y(2) + t * s.VY(2));
        s.Tk1(j) = s.Xk1(j) = s.Yk1(j) = 0;
        Vfx(j) = vfx;
        Vfy(j) = vfy;
        s.Q3(j) = q3;
        Q3r(j) = 0;
        s.QV1(j) = qv1;
        s.QV2(j) = qv2;
        A1f(j) = a1;
        A2f(j) = a2;
    }
    drawn = {};
    mirror = {};
    buildReceiver(s, pointAt(s, mp::receiver), A1);
    buildSource(s, pointAt(s, mp::source), A2 - s.pi / 2);
    Fax(1) = s.X(mp::sourceA);
    Fay(1) = s.Y(mp::sourceA);
    Fbx(1) = s.X(mp::sourceB);
    Fby(1) = s.Y(mp::sourceB);
    putPoint(s, mp::sourceStart, pointAt(s, mp::source));
    s.T = 0;
    s.lastJumpTime = 0;
    s.frontIndex = 1;
    emittedCount = 1;
    receivedCount = 0;
    nothingToReceive = false;
    s.stopFlag = 0;
    s.arrivedFlag = 0;
    s.stepCount = 0;
    Vn = da = db = 0;
}

void MembraneModel::advance(SharedState& s) {
    s.T = finite(s.T + s.dt);
    ++s.stepCount;
    const double dx1 = s.dt * s.VX(1), dy1 = s.dt * s.VY(1);
    const double dx2 = s.dt * s.VX(2), dy2 = s.dt * s.VY(2);
    for (int k : {mp::receiver, mp::receiverA, mp::receiverB}) {
        s.X(k) = finite(s.X(k) + dx1);
        s.Y(k) = finite(s.Y(k) + dy1);
    }
    for (int k : {mp::source, mp::sourceA, mp::sourceB}) {
        s.X(k) = finite(s.X(k) + dx2);
        s.Y(k) = finite(s.Y(k) + dy2);
    }
    for (int j = 1; j <= emittedCount; ++j) {
        const double fx = s.dt * Vfx(j), fy = s.dt * Vfy(j);
        Fax(j) += fx;
        Fay(j) += fy;
        Fbx(j) += fx;
        Fby(j) += fy;
    }
}

bool MembraneModel::detectEnds(SharedState& s, int i, double receiverAngle, double frontDir) {
    Vn = s.Vs * std::cos(receiverAngle - s.pi / 2 - frontDir);
    const Segment line{pointAt(s, mp::receiverA), pointAt(s, mp::receiverB)};
    da = distanceFromLine({Fax(i), Fay(i)}, line, L1);
    db = distanceFromLine({Fbx(i), Fby(i)}, line, L1);
    const double reach = finite(Vn * s.dt);
    const bool aReaches = reach > da, bReaches = reach > db;
    auto startAt = [&](double x, double y) {
        s.Xn1(i) = x;
        s.Yn1(i) = y;
        s.Tn1(i) = s.T;
    };
    auto endAt = [&](double x, double y) {
        s.Xk1(i) = x;
        s.Yk1(i) = y;
        s.Tk1(i) = s.T;
        s.arrivedFlag = 12;
    };
    if (s.arrivedFlag == 0) {
        bothInOneStep_ = aReaches && bReaches;
        endAFirst_ = aReaches;
        if (aReaches) {
            startAt(Fax(i), Fay(i));
            s.arrivedFlag = 1;
            if (bReaches) endAt(Fbx(i), Fby(i));
        } else if (bReaches) {
            startAt(Fbx(i), Fby(i));
            s.arrivedFlag = 2;
        }
    } else if (s.arrivedFlag == 1 && bReaches) {
        endAt(Fbx(i), Fby(i));
    } else if (s.arrivedFlag == 2 && aReaches) {
        endAt(Fax(i), Fay(i));
    }
    return s.arrivedFlag == 12;
}

bool MembraneModel::cannotArrive(const SharedState& s, int i) const {
    if (s.arrivedFlag == 12) return false;
    if (!(Vn > 0)) return true; // the front runs along the line or away from it
    // An end not yet arrived is lost once it moves away from the receiver's
    // line (or along it): it is past the line or was never heading for it.
    const Segment line{pointAt(s, mp::receiverA), pointAt(s, mp::receiverB)};
    const Point w{Vfx(i) - s.VX(1), Vfy(i) - s.VY(1)};
    const double rate = rateAcrossLine(w, line, L1);
    auto lost = [&](double x, double y) {
        return signedDistanceFromLine({x, y}, line, L1) * rate >= 0;
    };
    return (s.arrivedFlag != 1 && lost(Fax(i), Fay(i))) ||
           (s.arrivedFlag != 2 && lost(Fbx(i), Fby(i)));
}

void MembraneModel::endNothingToReceive(SharedState& s) {
    nothingToReceive = true;
    s.stepCount = s.NC0;
    s.stopFlag = 1;
}

bool MembraneModel::receive(SharedState& s, const MembraneOptions& opt, Prompts& prompts,
                            MembraneStep& out) {
    const int i = s.frontIndex;
    // The front counts as received where and when its centre crossed: the
    // mean of its two ends, kept one index lower (end of period i - 1).
    s.Xk1(i - 1) = (s.Xn1(i) + s.Xk1(i)) / 2;
    s.Yk1(i - 1) = (s.Yn1(i) + s.Yk1(i)) / 2;
    s.Tk1(i - 1) = (s.Tn1(i) + s.Tk1(i)) / 2;
    Q3r(i) = vectorAngleRad(s.pi, s.Xk1(i - 1) - s.Xn2(i), s.Yk1(i - 1) - s.Yn2(i));
    // QV1/QV2 hold the velocity directions until they become Qn1/Qn2.
    s.QV1(i - 1) = s.QV1(i) - Q3r(i);
    s.QV2(i - 1) = s.QV2(i) - Q3r(i);
    receivedCount = i;
    if (i >= 2) {
        PeriodShown p;
        p.period = i - 1;
        p.tn1 = s.Tk1(i - 2);
        p.tk1 = s.Tk1(i - 1);
        p.v = safeDiv(1, p.tk1 - p.tn1);
        p.qn1 = s.QV1(i - 2);
        p.qk1 = s.QV1(i - 1);
        p.qn2 = s.QV2(i - 2);
        p.qk2 = s.QV2(i - 1);
        p.vn = formula2(s.v0, s.V(1), s.V(2), s.Vs, p.qn1, p.qn2);
        p.vk = formula2(s.v0, s.V(1), s.V(2), s.Vs, p.qk1, p.qk2);
        p.vsr = (p.vn + p.vk) / 2;
        s.v1n(p.period) = p.vn;
        s.v1k(p.period) = p.vk;
        s.v1(p.period) = p.vsr;
        shownPeriod = p;
        out.periodCompleted = true;
    }
    if (i != kMembraneFronts && opt.turnReceiver) {
        // The receiver is turned to the next front's source angle, which
        // exists only once that front has left the source.
        if (emittedCount < i + 1) {
            prompts.tell(kTurnReceiverImpossible, "Sonrel5m");
            return false;
        }
        A1f(i + 1) = A2f(i + 1);
        buildReceiver(s, pointAt(s, mp::receiver), A1f(i + 1));
    }
    shownFront = {s.Q3(i), Q3r(i), A1f(i), A2f(i)};
    out.frontReceived = true;
    s.stepCount = s.NC0;
    s.frontIndex = i + 1;
    s.arrivedFlag = 0;
    if (s.frontIndex > kMembraneFronts) s.stopFlag = 1;
    if (!opt.autoMode && !prompts.askYesNo(kContinueQuestion, "Sonrel6")) s.stopFlag = 1;
    return true;
}

void MembraneModel::emitFront(SharedState& s, const MembraneOptions& opt, MembraneStep& out) {
    if (emittedCount >= kMembraneFronts || s.T < s.Tn2(emittedCount + 1)) return;
    const int k = ++emittedCount;
    out.emitted = k;
    if (opt.reAimSource) {
        const double q3 = aimDirection(s);
        s.Q3(k) = q3;
        A2f(k) = s.pi / 2 + q3;
        Vfx(k) = s.Vs * std::cos(q3);
        Vfy(k) = s.Vs * std::sin(q3);
        buildSource(s, pointAt(s, mp::source), q3);
    }
    // The new front starts as a copy of the source membrane.
    Fax(k) = s.X(mp::sourceA);
    Fay(k) = s.Y(mp::sourceA);
    Fbx(k) = s.X(mp::sourceB);
    Fby(k) = s.Y(mp::sourceB);
}

MembraneStep MembraneModel::stepMembrane(SharedState& s, const MembraneOptions& opt,
                                         Prompts& prompts) {
    MembraneStep out;
    const int i = s.frontIndex;
    // After the twentieth front the run has nothing left to receive: the
    // next front has no place in the record, and continuing cannot go on.
    if (i > kMembraneFronts)
        throw IndexError("front " + std::to_string(i) + " lies outside the record");
    settleVectorRegisters();
    advance(s);
    // Reception is handled before emission.
    if (emittedCount >= i) {
        if (detectEnds(s, i, A1f(i), s.Q3(i))) {
            if (!receive(s, opt, prompts, out)) {
                out.goesOn = false;
                return out;
            }
        } else if (cannotArrive(s, i)) {
            // Fronts are received in order: with front i lost nothing more
            // can be received, and the run ends at this step's display.
            endNothingToReceive(s);
        }
    }
    emitFront(s, opt, out);
    return out;
}

void MembraneModel::stepMirror(SharedState& s) {
    settleVectorRegisters();
    advance(s);
    // The arrival stays recorded, so a continued mirror run stops again.
    if (mirror.done || detectEnds(s, 1, A1, s.Q3(1)))
        finishMirror(s);
    else if (cannotArrive(s, 1))
        endNothingToReceive(s);
}

void MembraneModel::finishMirror(SharedState& s) {
    if (bothInOneStep_) {
        // Both ends met the mirror together: it lies as set, and the front
        // is taken as reflected at the receiver's centre.
        mirror.angle = A1;
        s.Xn1(1) = s.Xk1(1) = s.X(1);
        s.Yn1(1) = s.Yk1(1) = s.Y(1);
    } else {
        mirror.angle = vectorAngleRad(s.pi, s.Xk1(1) - s.Xn1(1), s.Yk1(1) - s.Yn1(1));
        if (endAFirst_) mirror.angle -= s.pi;
    }
    mirror.reflection = midpoint({s.Xn1(1), s.Yn1(1)}, {s.Xk1(1), s.Yk1(1)});
    putPoint(s, mp::aim, mirror.reflection);
    // Law of reflection: the ray along Q3 leaves a mirror lying along
    // `angle` at 2·angle − Q3 (equal angles on both sides of the normal),
    // and is drawn that way up to the picture's edge.
    mirror.direction = finite(2 * mirror.angle - s.Q3(1));
    const double M = s.pictureScale;
    const Box picture{
        std::min(kAnimLeft * M, kAnimRight * M), std::min(kAnimBottom * M, kAnimTop * M),
        std::max(kAnimLeft * M, kAnimRight * M), std::max(kAnimBottom * M, kAnimTop * M)};
    mirror.rayEnd = rayToEdge(mirror.reflection, mirror.direction, picture);
    mirror.done = true;
    s.stepCount = s.NC0;
    s.stopFlag = 1;
}

} // namespace sonrel
