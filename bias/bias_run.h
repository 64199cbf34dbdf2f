// The run of a program: each program links its own (bias/lunkaro4, bias/lunkaro5).
#pragma once

void bias_run();
