#define PROGRAM_GOLDEN "lunkaro5"
#define PROGRAM_SUBTITLE "(Lunkaro5)"
#include "tests/support/program_tests.inc"
