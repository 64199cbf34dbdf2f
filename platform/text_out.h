// Inside the drawing stand-in: what text output counts, so that tests can see its cost.
#pragma once

namespace gdi {

// Character cells that text_out has looked at since the process started, drawn or not. The
// walk along a text stops at the first cell past the clip, so a long text costs only what the
// clip lets it show.
long long text_cells_walked();

}  // namespace gdi
