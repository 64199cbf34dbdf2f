// Lunkaro4's run: the fixed-bias network.
#include "bias/bias_run.h"
#include "bias/shared_run/run_sequence.h"

namespace {

const char run_title[] = "ベース－エミッタ回路の図式解法（固定バイアス）";
const char run_subtitle[] = "(Lunkaro4)";
constexpr double run_emitter_resistor = 550.0;  // ohms; matters only to the feedback line

}  // namespace

void bias_run() { run_bias_analysis(run_title, run_subtitle, run_emitter_resistor); }
