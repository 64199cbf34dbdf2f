#define PROGRAM_GOLDEN "lunkaro4"
#define PROGRAM_SUBTITLE "(Lunkaro4)"
#include "tests/support/program_tests.inc"
