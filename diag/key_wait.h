// The wait for one key press on the console.
#pragma once

#include <cstdio>

// Where the stream is a terminal: reads one key without echo (non-canonical, no echo), then
// restores the terminal's settings, also when the read fails. Where it is not a terminal (a
// pipe, a file, /dev/null, no stream), returns at once without reading.
void wait_for_key(std::FILE* input);
