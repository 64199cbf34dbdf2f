#define PROGRAM_GOLDEN "lunkaro5"
#include "tests/soak/soak_tests.inc"
