// One-time tables of the evaluation.
#include "eval/eval.h"

#include <cstring>
#include <mutex>

void InitEvalTables()
{
    static std::once_flag iet_initialised;
    std::call_once(iet_initialised, [] {
        for (int i = 0; i < 256; i++)
            pop_count[i] = (unsigned char)BitCount((uint32_t)i);
        memcpy(new_coefficients, orig_coefficients, sizeof new_coefficients);
    });
}
