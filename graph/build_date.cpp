// The build date of the program.
#include "graph/format.h"

// The compiler's date of this file's compilation, "Mmm dd yyyy" with a blank before a one-digit
// day; it follows SOURCE_DATE_EPOCH where the build sets it, so a rebuild gives the same stamp.
// Nothing in the programs writes it; tests point it at a fixed date.
const char* build_date = __DATE__;
