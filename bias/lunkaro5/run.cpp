// Lunkaro5's run: the current-feedback network.
#include "bias/bias_run.h"
#include "bias/shared_run/run_sequence.h"

namespace {

const char run_title[] = "ベース－エミッタ回路の図式解法（電流帰還バイアス）";
const char run_subtitle[] = "(Lunkaro5)";
constexpr double run_emitter_resistor = 430.0;  // ohms

}  // namespace

void bias_run() { run_bias_analysis(run_title, run_subtitle, run_emitter_resistor); }
