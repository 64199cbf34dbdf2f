// The run both programs share: the settings, the circuit constants, twelve curves and the
// temperature legend. Each program's bias_run calls it with its own title, subtitle and
// emitter resistor; its own model switch decides which bias line mode 1 draws.
#pragma once

void run_bias_analysis(const char* title, const char* subtitle, double emitter_resistance);
