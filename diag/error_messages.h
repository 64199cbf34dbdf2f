// The messages of the frame check codes.
#pragma once

// The Shift-JIS message of a frame check code 1..5; null for any other code.
const char* error_message(int code);
