// The junction and bias-line models. Each reads the abscissa sweep_x and returns an emitter
// current in amperes. The order of every expression is part of the model: the curves are
// drawn from these doubles, and a reordered product moves pixels.
#include "bias/models.h"

#include <cmath>

#include "plot/sweep_globals.h"

namespace {

// Constants of the junction model, fixed in the model.
constexpr double boltzmann = 1.38e-23;          // k, joules per kelvin
constexpr double charge = 1.6e-19;              // q, coulombs
constexpr double kelvin_offset = 273.16;        // T0, degrees Celsius to kelvin
constexpr double band_gap_0 = 1.205;            // Eg0, volts
constexpr double band_gap_slope = 0.00023;      // Eg1, volts per kelvin
constexpr double carrier_coefficient = 1.5e33;  // B of ni^2 = B T^3 exp(-Eg / VT)
constexpr double saturation_d = 1.57e-14;       // D, factor of the saturation current
constexpr double saturation_a = 0.01;           // A, factor of the saturation current
constexpr double emission = 1.0;                // n, emission coefficient
constexpr double current_limit = 0.02;          // Imax, amperes

}  // namespace

// The model inputs; the run writes them before every sweep: model_mode in its outer loop,
// temperature_c and gain_factor per curve, the circuit constants once per paint.
double temperature_c;
double gain_factor;
double hfe;
double supply_fixed;
double base_resistor_fixed;
double supply_feedback;
double base_resistor_feedback;
double emitter_resistor;
int model_mode;

double junction_current() {
    const double t = kelvin_offset + temperature_c;
    const double vt = boltzmann * t / charge;
    const double eg = band_gap_0 - band_gap_slope * t;
    const double ni2 = std::exp(-eg / vt) * (carrier_coefficient * t * t * t);
    const double is = saturation_a * ((charge * ni2) * saturation_d);
    const double ie = (std::exp(sweep_x / (emission * vt)) - 1) * is;
    // Only the steep top is limited; 0.02 itself and every lower value pass unchanged.
    if (ie > current_limit) return current_limit;
    return ie;
}

double fixed_bias_line() {
    return (gain_factor * hfe) * (supply_fixed - sweep_x) / base_resistor_fixed;
}

double feedback_bias_line() {
    return (supply_feedback - sweep_x) /
           (base_resistor_feedback / (gain_factor * hfe) + emitter_resistor);
}
