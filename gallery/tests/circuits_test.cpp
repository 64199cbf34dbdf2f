// The circuit equations of the gallery's examples, checked against the circuits' own laws:
// every solved operating point satisfies its node equation, every closed form agrees with the
// textbook value at its characteristic point.
#include "gallery/circuits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr DiodeModel diode = {1e-14, 1.0};
constexpr double pi = std::numbers::pi;

TEST(DiodeEquations, ShockleyCurrentAtItsCharacteristicVoltages) {
    EXPECT_DOUBLE_EQ(diode_current(diode, 0.0), 0.0);
    // exp(v / Vt) - 1 is 1 at Vt ln 2 and -1/2 at -Vt ln 2.
    const double v = thermal_voltage_300k * std::log(2.0);
    EXPECT_DOUBLE_EQ(diode_current(diode, v), 1e-14);
    EXPECT_DOUBLE_EQ(diode_current(diode, -v), -0.5e-14);
    // The emission coefficient stretches the voltage scale.
    EXPECT_DOUBLE_EQ(diode_current({1e-14, 2.0}, 2.0 * v), 1e-14);
}

// The series current satisfies the loop: v = vd + I rs, with vd the junction voltage that
// passes I (Shockley's equation turned round).
TEST(DiodeEquations, SeriesResistanceSolvesTheLoop) {
    for (double rs : {1.0, 10.0, 100.0}) {
        for (double v : {0.0, 0.3, 0.6, 0.7, 1.0, 3.0, 10.0}) {
            const double current = diode_series_current(diode, rs, v);
            const double vd = thermal_voltage_300k * std::log1p(current / 1e-14);
            EXPECT_NEAR(vd + current * rs, v, 1e-9) << "rs " << rs << " v " << v;
            // The junction takes part of the voltage, never more than all of it.
            EXPECT_LE(std::fabs(current), std::fabs(v) / rs + 1e-15);
        }
    }
    // Far in forward conduction the resistance limits the current: about (v - 0.8) / rs.
    EXPECT_NEAR(diode_series_current(diode, 1.0, 10.0), 9.2, 0.1);
    // In reverse the junction blocks: the saturation current flows.
    EXPECT_NEAR(diode_series_current(diode, 100.0, -1.0), -1e-14, 1e-24);
}

TEST(ClipperEquations, OutputBalancesTheNodeAndClipsAtTheBias) {
    for (double bias : {0.0, 1.0, 2.0}) {
        for (double vin : {-6.0, -2.0, -0.3, 0.0, 0.3, 2.0, 6.0}) {
            const double v = clipper_output(diode, 1e3, bias, vin);
            const double through_r = (vin - v) / 1e3;
            const double through_diodes =
                diode_current(diode, v - bias) - diode_current(diode, -bias - v);
            EXPECT_NEAR(through_r, through_diodes, 1e-12) << "bias " << bias << " vin " << vin;
            // Symmetric clipper: the negative input gives the negative output.
            EXPECT_NEAR(clipper_output(diode, 1e3, bias, -vin), -v, 1e-12);
            EXPECT_LE(std::fabs(v), std::fabs(vin) + 1e-12);
        }
        // A large input clips a junction voltage (0.5 .. 0.8 V) beyond the bias.
        const double clipped = clipper_output(diode, 1e3, bias, 6.0);
        EXPECT_GT(clipped, bias + 0.5);
        EXPECT_LT(clipped, bias + 0.8);
    }
    // Within the bias the diodes are off and the output follows the input.
    EXPECT_NEAR(clipper_output(diode, 1e3, 2.0, 1.0), 1.0, 1e-6);
}

// Sweeping up from the low state, the output switches at +threshold and not before; sweeping
// down from the high state at -threshold.
TEST(SchmittEquations, SwitchesAtTheThresholdsOnly) {
    const double r1 = 10e3, r2 = 22e3, vsat = 3.5;
    const double threshold = schmitt_threshold(r1, r2, vsat);
    EXPECT_DOUBLE_EQ(threshold, 3.5 * 10.0 / 22.0);
    struct Case {
        double vin;
        double before;
        double after;
    };
    const Case cases[] = {
        {0.0, -vsat, -vsat},               // inside the loop the state holds
        {0.0, vsat, vsat},                 //
        {threshold - 1e-9, -vsat, -vsat},  // just below the upper threshold
        {threshold + 1e-9, -vsat, vsat},   // just above it: switches up
        {-threshold + 1e-9, vsat, vsat},   // just above the lower threshold
        {-threshold - 1e-9, vsat, -vsat},  // just below it: switches down
        {5.0, vsat, vsat},
        {-5.0, -vsat, -vsat},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(schmitt_next_output(c.vin, c.before, r1, r2, vsat), c.after)
            << "vin " << c.vin << " from " << c.before;
    }
}

TEST(ConverterEquations, SuccessiveApproximationFindsTheCodeBelowTheInput) {
    const double lsb = 0.5;
    // 2.7 V: 100 kept (2.0 <= 2.7), 110 dropped (3.0 > 2.7), 101 kept (2.5 <= 2.7).
    EXPECT_EQ(sar_register(2.7, lsb, 3, 0), 0b100);
    EXPECT_EQ(sar_register(2.7, lsb, 3, 1), 0b110);
    EXPECT_EQ(sar_register(2.7, lsb, 3, 2), 0b101);
    EXPECT_EQ(sar_register(2.7, lsb, 3, 3), 0b101);
    EXPECT_EQ(sar_decided(2.7, lsb, 3, 0), 0);
    EXPECT_EQ(sar_decided(2.7, lsb, 3, 2), 0b100);
    // For every input the final code is floor(vin / lsb), held to the 3-bit range, and every
    // stage's register lies within the interval the decided bits leave open.
    for (int tenth = -5; tenth <= 45; ++tenth) {
        const double vin = tenth / 10.0;
        int expected = static_cast<int>(std::floor(vin / lsb));
        expected = expected < 0 ? 0 : (expected > 7 ? 7 : expected);
        EXPECT_EQ(sar_register(vin, lsb, 3, 3), expected) << "vin " << vin;
        for (int stage = 0; stage < 3; ++stage) {
            const int decided = sar_decided(vin, lsb, 3, stage);
            EXPECT_LE(decided, expected);
            EXPECT_GT(decided + (2 << (2 - stage)), expected);
        }
    }
}

// The bits and the last residue give the input back: vin = sum (2 b_k - 1) vref / 2^(k+1)
// + r_n / 2^n.
TEST(ConverterEquations, PipelineResiduesReconstructTheInput) {
    const double vref = 1.0;
    for (double vin : {-0.95, -0.5, -0.123, 0.0, 0.3, 0.5, 0.77, 0.999}) {
        double r = vin;
        double sum = 0.0;
        double weight = 0.5;
        for (int k = 0; k < 4; ++k) {
            sum += (2 * pipeline_bit(r) - 1) * vref * weight;
            r = pipeline_residue(r, vref);
            EXPECT_LE(std::fabs(r), vref) << "stage " << k << " of " << vin;
            weight /= 2.0;
        }
        EXPECT_NEAR(sum + r / 16.0, vin, 1e-15) << vin;
        EXPECT_DOUBLE_EQ(pipeline_residue_after(vin, vref, 4), r);
    }
    EXPECT_EQ(pipeline_bit(0.0), 1);
    EXPECT_EQ(pipeline_bit(-1e-300), 0);
}

TEST(TimeResponses, RcStepAndSineFollowTheTimeConstant) {
    const double r = 1e3, c = 0.22e-6, tau = r * c;
    EXPECT_DOUBLE_EQ(rc_step_response(5.0, r, c, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(rc_step_response(5.0, r, c, -1e-3), 0.0);
    EXPECT_NEAR(rc_step_response(5.0, r, c, tau), 5.0 * (1.0 - std::exp(-1.0)), 1e-12);
    EXPECT_NEAR(rc_step_response(5.0, r, c, 20 * tau), 5.0 * (1.0 - std::exp(-20.0)), 1e-12);
    // The sine's peak is the ladder's gain times the amplitude, reached a phase lag after the
    // input's peak.
    const double f = 1e3;
    const std::complex<double> h = rc_ladder_transfer(1, r, c, f);
    const double lag = -phase_degrees(h) / 360.0 / f;
    EXPECT_NEAR(rc_lowpass_sine_output(3.0, f, r, c, 0.25 / f + lag), 3.0 * std::abs(h), 1e-12);
    EXPECT_NEAR(rc_lowpass_sine_output(3.0, f, r, c, lag), 0.0, 1e-12);
}

TEST(FrequencyResponses, LadderRlcAndLoopGainAtTheirCharacteristicFrequencies) {
    const double r = 1e3, c = 0.1e-6;
    const double corner = 1.0 / (2.0 * pi * r * c);
    const std::complex<double> one = rc_ladder_transfer(1, r, c, corner);
    EXPECT_NEAR(gain_db(one), -10.0 * std::log10(2.0), 1e-12);
    EXPECT_NEAR(phase_degrees(one), -45.0, 1e-12);
    // Two unbuffered sections: 1 / (1 + 3 j x - x^2) with x = w r c.
    for (double f : {10.0, 1e3, corner, 1e5}) {
        const double x = 2.0 * pi * f * r * c;
        const std::complex<double> expected = 1.0 / std::complex<double>(1.0 - x * x, 3.0 * x);
        EXPECT_NEAR(std::abs(rc_ladder_transfer(2, r, c, f) - expected), 0.0, 1e-12) << f;
    }
    EXPECT_EQ(rc_ladder_transfer(0, r, c, corner), std::complex<double>(1.0, 0.0));

    const double l = 10e-3, cs = 10e-9;
    const double resonance = 1.0 / (2.0 * pi * std::sqrt(l * cs));
    const std::complex<double> z = series_rlc_impedance(10.0, l, cs, resonance);
    EXPECT_NEAR(z.real(), 10.0, 1e-12);
    EXPECT_NEAR(z.imag(), 0.0, 1e-9);
    EXPECT_LT(phase_degrees(series_rlc_impedance(10.0, l, cs, resonance / 10)), -89.0);
    EXPECT_GT(phase_degrees(series_rlc_impedance(10.0, l, cs, resonance * 10)), 89.0);

    // Three poles at w tau = sqrt 3 turn the phase by -180 degrees and divide by 8.
    const std::complex<double> critical = three_pole_loop_gain(8.0, 1e-3, std::sqrt(3.0) / 1e-3);
    EXPECT_NEAR(critical.real(), -1.0, 1e-12);
    EXPECT_NEAR(critical.imag(), 0.0, 1e-12);
}

}  // namespace
