#include "calculators/frame_transform.h"

#include "base/checked_math.h"
#include "base/kinematics.h"
#include "base/signal_delay.h"
#include "theory/formulas.h"

#include <cmath>

namespace sonrel {

namespace {

double length(double x, double y) {
    return finite(std::sqrt(x * x + y * y));
}

// Relativistic velocity of a body seen from a frame moving along X with U.
void transformVelocity(double& VX, double& VY, double U, double Vs) {
    const Velocity v = boostVelocity({VX, VY}, U, Vs);
    VX = v.x;
    VY = v.y;
}

const DelayShown& checked(const DelayShown& d) {
    for (double x : {d.dT, d.X2, d.Y2, d.T2iso})
        finite(x);
    return d;
}

const TimeStepShown& checked(const TimeStepShown& s) {
    for (double x : {s.t1, s.t2, s.dt, s.X1, s.X2, s.Y1, s.Y2, s.T1iso, s.T2iso, s.U})
        finite(x);
    return s;
}

class Calculation {
public:
    Calculation(const FrameInputs& in, double pi, FrameResult& r)
        : in_(in), pi_(pi), r_(r), twoPi_(2 * pi) {}

    void run() {
        BodyPair& aso = r_.aso;
        BodyPair& b = r_.iso;
        aso = in_.aso;
        T1iso_ = T2iso_ = in_.T;
        r_.Vs = in_.Vs0;
        r_.delay = {0, aso.X2, aso.Y2, 0};

        if (in_.delay == DelayMode::InAso) {
            const double dT = delay(aso, r_.Vs);
            aso.X2 -= aso.VX2 * dT;
            aso.Y2 -= aso.VY2 * dT;
            T2iso_ = in_.T - dT;
            r_.delay =
                checked(DelayShown{dT, aso.X2 + aso.VX2 * dT, aso.Y2 + aso.VY2 * dT, T2iso_});
        }

        r_.V1aso = length(aso.VX1, aso.VY1);
        r_.V2aso = length(aso.VX2, aso.VY2);
        r_.Q3aso = angle(aso.X1 - aso.X2, aso.Y1 - aso.Y2);
        r_.Q1aso = angle(aso.VX1, aso.VY1) - r_.Q3aso;
        r_.Q2aso = angle(aso.VX2, aso.VY2) - r_.Q3aso;

        b = aso;
        if (in_.formula == FrameFormula::Classic2) {
            b.VX1 = aso.VX1 - in_.VXiso;
            b.VX2 = aso.VX2 - in_.VXiso;
        } else {
            // The first step moves the positions with the АСО time of the field.
            lorentz(in_.VXiso, in_.T, in_.T);
            r_.V1iso = length(b.VX1, b.VY1);
            r_.V2iso = length(b.VX2, b.VY2);
            align();
            r_.firstStep = checked(shown(in_.VXiso));
            r_.factors =
                LorentzFactors{r_.kTiso, clockRate(r_.V1iso, r_.Vs), clockRate(r_.V2iso, r_.Vs)};
        }

        switch (in_.formula) {
        case FrameFormula::Classic2:
        case FrameFormula::Sto45:
            if (in_.formula == FrameFormula::Sto45 && in_.toIso3) {
                // ИСО3 moves the positions with each body's own ИСО time.
                lorentz(in_.VXiso3, T1iso_, T2iso_);
                align();
                r_.secondStep = checked(shown(in_.VXiso3));
            }
            if (in_.delay == DelayMode::InFinalFrame) {
                if (in_.formula == FrameFormula::Classic2 && !in_.mediumDragged)
                    useSignalSpeedOfRestingMedium();
                delayInFinalFrame();
            }
            r_.V1iso = length(b.VX1, b.VY1);
            r_.V2iso = length(b.VX2, b.VY2);
            break;
        case FrameFormula::Sto41:
            restFrame(true);
            // The source rests: its signal needs no correction.
            r_.delay.dT = 0;
            break;
        case FrameFormula::Sto43:
            restFrame(false);
            if (in_.delay == DelayMode::InFinalFrame) delayInFinalFrame();
            break;
        }

        angleSet();
        r_.v = frequency();
        r_.ratio = safeDiv(r_.v, in_.v0);
        checkOutputs();
        r_.complete = true;
    }

private:
    double angle(double x, double y) const { return vectorAngleRad(pi_, x, y); }
    double unfoldBelow(double a) const { return a < -pi_ ? a + twoPi_ : a; }

    // How long ago the source's signal left it to reach the receiver now.
    static double delay(const BodyPair& b, double Vs) {
        return arrivalTimeMinusFirst(Vs, b.X1, b.Y1, b.X2, b.Y2, b.VX2, b.VY2);
    }

    // Lorentz step along X with speed U; positionTime1/2 move the positions.
    void lorentz(double U, double positionTime1, double positionTime2) {
        BodyPair& b = r_.iso;
        const double Vs = r_.Vs;
        const double kT = clockRate(U, Vs);
        r_.kTiso = kT;
        eventTimes(U, kT);
        b.X1 = lorentzPosition(positionTime1, b.X1, U, kT);
        b.X2 = lorentzPosition(positionTime2, b.X2, U, kT);
        transformVelocity(b.VX1, b.VY1, U, Vs);
        transformVelocity(b.VX2, b.VY2, U, Vs);
    }

    // The two bodies' present events seen in a frame moving with U.
    void eventTimes(double U, double kT) {
        const BodyPair& b = r_.iso;
        t1_ = lorentzTime(T1iso_, b.X1, U, r_.Vs, kT);
        t2_ = lorentzTime(T2iso_, b.X2, U, r_.Vs, kT);
        dt_ = t1_ - t2_;
        T1iso_ = t1_;
        T2iso_ = t2_;
    }

    void align() {
        BodyPair& b = r_.iso;
        switch (in_.alignment) {
        case TimeAlignment::Source:
            b.X1 -= b.VX1 * dt_;
            b.Y1 -= b.VY1 * dt_;
            T1iso_ = T2iso_ = t2_;
            break;
        case TimeAlignment::Receiver:
            b.X2 += b.VX2 * dt_;
            b.Y2 += b.VY2 * dt_;
            T1iso_ = T2iso_ = t1_;
            break;
        case TimeAlignment::Origin:
            b.X1 -= b.VX1 * t1_;
            b.Y1 -= b.VY1 * t1_;
            b.X2 -= b.VX2 * t2_;
            b.Y2 -= b.VY2 * t2_;
            T1iso_ = T2iso_ = 0;
            break;
        case TimeAlignment::None:
            break;
        }
    }

    TimeStepShown shown(double U) const {
        const BodyPair& b = r_.iso;
        return {t1_, t2_, dt_, b.X1, b.X2, b.Y1, b.Y2, T1iso_, T2iso_, U};
    }

    // Into the rest frame (along X) of the source or of the receiver.
    void restFrame(bool ofSource) {
        BodyPair& b = r_.iso;
        const double Vs = r_.Vs;
        const double U = ofSource ? b.VX2 : b.VX1;
        const double kT = clockRate(U, Vs);
        r_.kTiso = kT;
        eventTimes(U, kT);
        b.X1 = safeDiv(b.X1, kT);
        b.X2 = safeDiv(b.X2, kT);
        if (ofSource) {
            transformVelocity(b.VX1, b.VY1, U, Vs);
            b.VX2 = b.VY2 = 0;
            r_.V1iso = length(b.VX1, b.VY1);
            r_.V2iso = 0;
        } else {
            transformVelocity(b.VX2, b.VY2, U, Vs);
            b.VX1 = b.VY1 = 0;
            r_.V1iso = 0;
            r_.V2iso = length(b.VX2, b.VY2);
        }
        align();
        r_.secondStep = checked(shown(U));
    }

    // The medium rests in АСО while the picture is taken in ИСО: the signal
    // from the source's delayed АСО position moves along the line of sight
    // with Vs0 in АСО, so in ИСО its speed and direction change. The delayed
    // position is this calculation's own; the shared bodies stay untouched.
    void useSignalSpeedOfRestingMedium() {
        const BodyPair& aso = r_.aso;
        const double dT = delay(aso, r_.Vs);
        const double X2 = aso.X2 - aso.VX2 * dT;
        const double Y2 = aso.Y2 - aso.VY2 * dT;
        double a = angle(aso.X1 - X2, aso.Y1 - Y2);
        if (a > pi_) a -= twoPi_;
        const double Wx = in_.Vs0 * std::cos(a) - in_.VXiso;
        const double Wy = in_.Vs0 * std::sin(a);
        r_.Vs = length(Wx, Wy);
        r_.signalDirectionDeg = finite(angle(Wx, Wy) * (180.0 / pi_));
    }

    void delayInFinalFrame() {
        BodyPair& b = r_.iso;
        const double dT = delay(b, r_.Vs);
        b.X2 -= b.VX2 * dT;
        b.Y2 -= b.VY2 * dT;
        r_.delay = checked(DelayShown{dT, b.X2 + b.VX2 * dT, b.Y2 + b.VY2 * dT, T2iso_});
    }

    void angleSet() {
        const BodyPair& b = r_.iso;
        double q3 = angle(b.X1 - b.X2, b.Y1 - b.Y2);
        if (q3 > pi_) q3 -= twoPi_;
        r_.Q3iso = q3;
        r_.V12iso = length(b.VX1 - b.VX2, b.VY1 - b.VY2);
        r_.Q12iso = unfoldBelow(angle(b.VX1 - b.VX2, b.VY1 - b.VY2) - q3);
        r_.Q1iso = unfoldBelow(angle(b.VX1, b.VY1) - q3);
        r_.Q2iso = unfoldBelow(angle(b.VX2, b.VY2) - q3);
    }

    // No guards on small denominators or factors: a fault is an error.
    double frequency() const {
        const double Vs = r_.Vs, v0 = in_.v0;
        switch (in_.formula) {
        case FrameFormula::Classic2:
            return formula2(v0, r_.V1iso, r_.V2iso, Vs, r_.Q1iso, r_.Q2iso);
        case FrameFormula::Sto41: {
            const double G = clockRate(r_.V12iso, Vs);
            return safeDiv(v0 * sightFactor(r_.V12iso, r_.Q12iso, Vs), G);
        }
        case FrameFormula::Sto43: {
            const double G = clockRate(r_.V12iso, Vs);
            return safeDiv(v0 * G, 1 + safeDiv(r_.V12iso * std::cos(r_.Q12iso), Vs));
        }
        case FrameFormula::Sto45:
            return finite(
                v0 * relativisticDopplerRatio(r_.V1iso, r_.Q1iso, Vs, r_.V2iso, r_.Q2iso, Vs, Vs));
        }
        return r_.v;
    }

    void checkOutputs() const {
        const BodyPair& a = r_.aso;
        const BodyPair& b = r_.iso;
        for (double x : {a.X1,     a.Y1,     a.X2,      a.Y2,     b.X1,     b.Y1,      b.X2,
                         b.Y2,     b.VX1,    b.VY1,     b.VX2,    b.VY2,    r_.V1aso,  r_.V2aso,
                         r_.Q3aso, r_.Q1aso, r_.Q2aso,  r_.V1iso, r_.V2iso, r_.V12iso, r_.Q3iso,
                         r_.Q1iso, r_.Q2iso, r_.Q12iso, r_.Vs,    r_.v,     r_.ratio})
            finite(x);
    }

    const FrameInputs& in_;
    const double pi_;
    FrameResult& r_;
    const double twoPi_;
    double T1iso_ = 0, T2iso_ = 0; // times of the receiver's and the source's events
    double t1_ = 0, t2_ = 0, dt_ = 0;
};

} // namespace

FrameResult transformFrames(const FrameInputs& in, double pi) {
    FrameResult r;
    try {
        FpGuard guard;
        Calculation(in, pi, r).run();
        guard.check();
    } catch (const MathError&) {
        r.complete = false;
    }
    return r;
}

double quickDoppler(FrameFormula formula, double Vs, double v0, double VX1, double VX2,
                    double Q3deg, double pi, double previousV) {
    const double Q3 = Q3deg * pi / 180;
    switch (formula) {
    case FrameFormula::Classic2:
        return finite(formula2(v0, VX1, VX2, Vs, Q3, Q3));
    case FrameFormula::Sto45:
        return finite(v0 * relativisticDopplerRatio(VX1, Q3, Vs, VX2, Q3, Vs, Vs));
    case FrameFormula::Sto41:
    case FrameFormula::Sto43:
        break;
    }
    return previousV;
}

} // namespace sonrel
