#pragma once

#include <cstdio>
#include <cstdlib>

// An invariant a fuzz target checks: when it does not hold, the input is reported as a crash.
[[noreturn]] inline void fuzzViolated(const char *what)
{
    std::fprintf(stderr, "\n*** invariant violated: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzViolated(#condition);                                                              \
    } while (false)
