// Lunkaro5's model switch: mode 1 is the current-feedback line.
#include "bias/models.h"
#include "plot/sweep_globals.h"

// Modes other than 0..2 evaluate nothing and leave sweep_y as it was.
double evaluate_model() {
    switch (model_mode) {
        case mode_junction:
            sweep_y = junction_current();
            break;
        case mode_bias_line:
            sweep_y = feedback_bias_line();
            break;
        case mode_other_bias_line:
            sweep_y = fixed_bias_line();
            break;
        default:
            break;
    }
    return sweep_y;
}
