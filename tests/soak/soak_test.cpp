#define PROGRAM_GOLDEN "lunkaro4"
#include "tests/soak/soak_tests.inc"
