// The junction and bias-line models, and the callback that selects among them.
#pragma once

// Inputs of the models, written by the run before every sweep.
extern double temperature_c;
extern double gain_factor;
extern double hfe;
extern double supply_fixed;
extern double base_resistor_fixed;
extern double supply_feedback;
extern double base_resistor_feedback;
extern double emitter_resistor;
extern int model_mode;

// Model modes of evaluate_model.
constexpr int mode_junction = 0;
constexpr int mode_bias_line = 1;
constexpr int mode_other_bias_line = 2;

double junction_current();
double fixed_bias_line();
double feedback_bias_line();
// Each program links its own model switch (bias/lunkaro4, bias/lunkaro5).
double evaluate_model();
