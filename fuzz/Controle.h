#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with the rule that did not hold, so that it keeps the input.
#define VKT_CONTROLEER(voorwaarde)                                                                                   \
    do {                                                                                                             \
        if (!(voorwaarde)) {                                                                                         \
            std::fprintf(stderr, "%s:%d: niet voldaan: %s\n", __FILE__, __LINE__, #voorwaarde);                      \
            std::abort();                                                                                            \
        }                                                                                                            \
    } while (false)
