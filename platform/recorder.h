// A call recorder: a side channel of the drawing interface for tests. While a recorder is
// installed, every object and drawing call of gdi.h appends one plain record, so a test can
// read a whole paint as the sequence of operations the system made.
#pragma once

#include <string>
#include <vector>

namespace gdi {

struct Call {
    std::string op;               // the operation's name, e.g. "line_to", "text_out"
    std::vector<long long> args;  // its integer arguments in order (colours as 0xRRGGBB)
    std::string text;             // text bytes (text_out) or face name (create_font)
};

struct Recorder {
    std::vector<Call> calls;
};

// Installs a recorder (nullptr stops recording).
void set_recorder(Recorder* recorder);

// One call per line: "op a b c \"text\"".
std::string dump_calls(const Recorder& recorder);

}  // namespace gdi
