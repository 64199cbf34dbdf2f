// The circuit equations behind the gallery's examples.
#include "gallery/circuits.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double two_pi = 2.0 * std::numbers::pi;

// The root of a function that falls strictly from above 0 at lo to below 0 at hi, by a fixed
// number of halvings.
template <typename Falling>
double falling_root(Falling f, double lo, double hi) {
    for (int i = 0; i < solve_iterations; ++i) {
        double mid = 0.5 * (lo + hi);
        if (mid == lo || mid == hi) break;
        if (f(mid) > 0.0) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return 0.5 * (lo + hi);
}

// The transmission (ABCD) matrix of a two-port.
struct Chain {
    std::complex<double> a, b, c, d;
};

Chain operator*(const Chain& p, const Chain& q) {
    return {p.a * q.a + p.b * q.c, p.a * q.b + p.b * q.d, p.c * q.a + p.d * q.c,
            p.c * q.b + p.d * q.d};
}

}  // namespace

double diode_current(const DiodeModel& diode, double v) {
    return diode.saturation_current * std::expm1(v / (diode.emission * thermal_voltage_300k));
}

double diode_series_current(const DiodeModel& diode, double rs, double v) {
    // diode_current(vd) - (v - vd) / rs rises with vd: negated, it falls through its root.
    auto balance = [&](double vd) { return (v - vd) / rs - diode_current(diode, vd); };
    double lo = v < 0.0 ? v : 0.0;
    double hi = v < 0.0 ? 0.0 : v;
    // The junction's current at the solved voltage: (v - vd) / rs would lose the small
    // currents to the cancellation in v - vd.
    return diode_current(diode, falling_root(balance, lo, hi));
}

double clipper_output(const DiodeModel& diode, double r, double bias, double vin) {
    auto balance = [&](double v) {
        return (vin - v) / r - diode_current(diode, v - bias) + diode_current(diode, -bias - v);
    };
    // Both diodes off, the node would follow the input; it never lies beyond it, nor beyond
    // the sources by more than the input does.
    double reach = std::fabs(vin) + std::fabs(bias) + 1.0;
    return falling_root(balance, -reach, reach);
}

double schmitt_next_output(double vin, double vout, double r1, double r2, double vsat) {
    double v_plus = (vin * r2 + vout * r1) / (r1 + r2);
    if (v_plus > 0.0) return vsat;
    if (v_plus < 0.0) return -vsat;
    return vout;
}

double schmitt_threshold(double r1, double r2, double vsat) {
    return vsat * r1 / r2;
}

int sar_decided(double vin, double lsb, int bits, int stage) {
    int decided = 0;
    for (int k = 0; k < bits && k < stage; ++k) {
        int trial = decided | (1 << (bits - 1 - k));
        if (vin >= trial * lsb) decided = trial;
    }
    return decided;
}

int sar_register(double vin, double lsb, int bits, int stage) {
    int decided = sar_decided(vin, lsb, bits, stage);
    if (stage < 0 || stage >= bits) return decided;
    return decided | (1 << (bits - 1 - stage));
}

int pipeline_bit(double r) {
    return r >= 0.0 ? 1 : 0;
}

double pipeline_residue(double r, double vref) {
    return 2.0 * r - (pipeline_bit(r) ? vref : -vref);
}

double pipeline_residue_after(double vin, double vref, int stages) {
    double r = vin;
    for (int k = 0; k < stages; ++k) r = pipeline_residue(r, vref);
    return r;
}

double rc_step_response(double step, double r, double c, double t) {
    if (t < 0.0) return 0.0;
    return -step * std::expm1(-t / (r * c));
}

double rc_lowpass_sine_output(double amplitude, double f, double r, double c, double t) {
    double wrc = two_pi * f * r * c;
    return amplitude / std::sqrt(1.0 + wrc * wrc) * std::sin(two_pi * f * t - std::atan(wrc));
}

std::complex<double> rc_ladder_transfer(int stages, double r, double c, double f) {
    const std::complex<double> y_shunt(0.0, two_pi * f * c);
    const Chain series{1.0, r, 0.0, 1.0};
    const Chain shunt{1.0, 0.0, y_shunt, 1.0};
    Chain total{1.0, 0.0, 0.0, 1.0};
    for (int k = 0; k < stages; ++k) total = total * series * shunt;
    return 1.0 / total.a;
}

std::complex<double> series_rlc_impedance(double r, double l, double c, double f) {
    double w = two_pi * f;
    return {r, w * l - 1.0 / (w * c)};
}

std::complex<double> three_pole_loop_gain(double k, double tau, double w) {
    std::complex<double> pole(1.0, w * tau);
    return k / (pole * pole * pole);
}

double gain_db(std::complex<double> h) {
    return 20.0 * std::log10(std::abs(h));
}

double phase_degrees(std::complex<double> h) {
    return std::arg(h) * 180.0 / std::numbers::pi;
}
