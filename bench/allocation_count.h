// A count of every allocation the process makes through operator new, so that a benchmark can
// show how many a paint makes.
#pragma once

// Allocations since the process started.
long long allocation_count();
