// The circuit equations behind the gallery's examples: pure functions of the circuit's
// element values, with no drawing and no globals. Voltages in volts, currents in amperes,
// resistances in ohms, capacitances in farads, inductances in henries, time in seconds,
// frequencies in hertz, phases in degrees.
#pragma once

#include <complex>

// kT/q at 300 K.
constexpr double thermal_voltage_300k = 0.025852;

// The bisections below halve their bracket this many times: far more than a double's 53 bits
// need for any bracket the examples use, and a fixed count, so every solve ends.
constexpr int solve_iterations = 200;

// A junction diode: saturation current and emission coefficient.
struct DiodeModel {
    double saturation_current;
    double emission;
};

// Shockley's equation: Is * (exp(v / (n * Vt)) - 1) at 300 K.
double diode_current(const DiodeModel& diode, double v);

// The current through a diode in series with a resistance rs, driven by the voltage v across
// both: the junction voltage vd solves diode_current(vd) = (v - vd) / rs, found by bisection
// between 0 and v (the junction takes at most the whole voltage). rs must be above 0.
double diode_series_current(const DiodeModel& diode, double rs, double v);

// A two-diode clipper: the input drives the output node through r; one diode conducts from the
// node into a source of +bias, the other from a source of -bias into the node. Returns the
// node voltage that balances the currents, (vin - v) / r = I(v - bias) - I(-bias - v), by
// bisection (the balance falls strictly as v rises, so the root is unique).
double clipper_output(const DiodeModel& diode, double r, double bias, double vin);

// A non-inverting Schmitt trigger: the input reaches the comparator's + input through r1, the
// output feeds back through r2, the - input is at ground, and the output swings to +-vsat.
// Returns the output after the comparator has seen vin with the output at vout: +vsat when the
// + input lies above 0, -vsat below 0, vout unchanged at exactly 0.
double schmitt_next_output(double vin, double vout, double r1, double r2, double vsat);
// The input at which the output switches: vsat * r1 / r2 (upward at +, downward at -).
double schmitt_threshold(double r1, double r2, double vsat);

// A successive-approximation converter of `bits` bits whose DAC gives code * lsb volts. Stage
// k (0 .. bits - 1) tries bit bits - 1 - k on top of the bits already decided, and keeps it
// when vin is at least the DAC's voltage. Returns the register content the DAC shows during
// stage k (the decided bits and the trial bit); from stage `bits` on the final code.
int sar_register(double vin, double lsb, int bits, int stage);
// The bits decided before stage k (the lower end of the interval still searched); from stage
// `bits` on the final code.
int sar_decided(double vin, double lsb, int bits, int stage);

// One stage of a 1-bit pipeline converter: its bit (1 for a residue input of 0 or above, else
// 0) and its residue output 2 * r - vref for bit 1, 2 * r + vref for bit 0, which lies within
// +-vref again for an input within +-vref.
int pipeline_bit(double r);
double pipeline_residue(double r, double vref);
// The residue after `stages` stages of a pipeline fed with vin.
double pipeline_residue_after(double vin, double vref, int stages);

// The capacitor voltage of an RC circuit switched to a step of `step` volts at t = 0.
double rc_step_response(double step, double r, double c, double t);

// The steady-state output of an RC low-pass driven by amplitude * sin(2 pi f t).
double rc_lowpass_sine_output(double amplitude, double f, double r, double c, double t);

// The voltage transfer of a ladder of `stages` RC low-pass sections (series r, shunt c), open
// at its output: 1 / A of the chained transmission matrices. stages below 1 gives 1.
std::complex<double> rc_ladder_transfer(int stages, double r, double c, double f);

// The impedance of r, l and c in series.
std::complex<double> series_rlc_impedance(double r, double l, double c, double f);

// A loop gain of three equal real poles: k / (1 + j w tau)^3.
std::complex<double> three_pole_loop_gain(double k, double tau, double w);

// 20 log10 |h| and the angle of h in degrees (-180 .. 180).
double gain_db(std::complex<double> h);
double phase_degrees(std::complex<double> h);
