// The call recorder: a side channel of every object and drawing call.
#include "platform/recorder.h"

#include <cstdio>
#include <cstring>

#include "platform/objects.h"

namespace gdi {

Recorder* installed_recorder = nullptr;

namespace {

// Text bytes as they read in a dump: printable ASCII as it is, quote and backslash escaped,
// every other byte (the Shift-JIS bytes of Japanese text) as \xNN.
void append_text(std::string& out, const std::string& text) {
    out += " \"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    out += '"';
}

}  // namespace

void set_recorder(Recorder* recorder) {
    installed_recorder = recorder;
}

void append_call(const char* op, std::initializer_list<long long> args, const char* text,
                 int text_length) {
    Recorder* installed = installed_recorder;
    if (installed == nullptr) return;
    Call call;
    call.op = op ? op : "";
    call.args.assign(args.begin(), args.end());
    if (text != nullptr) {
        const std::size_t length =
            text_length < 0 ? std::strlen(text) : static_cast<std::size_t>(text_length);
        call.text.assign(text, length);
    }
    installed->calls.push_back(std::move(call));
}

void record_args(const char* op, const std::vector<long long>& args) {
    Recorder* installed = installed_recorder;
    if (installed == nullptr) return;
    Call call;
    call.op = op ? op : "";
    call.args = args;
    installed->calls.push_back(std::move(call));
}

// Calls without text bytes have no quoted part.
std::string dump_calls(const Recorder& recorder) {
    std::string out;
    for (const Call& call : recorder.calls) {
        out += call.op;
        for (long long a : call.args) out += ' ' + std::to_string(a);
        if (!call.text.empty()) append_text(out, call.text);
        out += '\n';
    }
    return out;
}

}  // namespace gdi
