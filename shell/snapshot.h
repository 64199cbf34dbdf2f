// The snapshot mode: one paint into the in-memory window, written as a PNG.
#pragma once

// Performs the program's start-up and exactly one paint without a display, then writes the
// client area as a PNG. Returns the exit code: 0 when written, 1 (with a message on standard
// error) when the window could not be made or the file could not be written.
int snapshot_entry(const char* program_name, const char* path);
