// A score as text: pawns with two decimals, mates by their distance, and the
// infinite bounds.
#include "eval/eval.h"

#include <cstdio>

char* EvalStr(ETYPE_T v)
{
    // One buffer per thread, overwritten by the next call.
    static thread_local char text[50];
    if (v >= 404999)
        snprintf(text, sizeof text, "Inf");
    else if (v <= -404999)
        snprintf(text, sizeof text, "-Inf");
    else if (v >= 399873)
        snprintf(text, sizeof text, "Mate%02d", (399999 - v) / 2 + 1);
    else if (v <= -399873)
        snprintf(text, sizeof text, "-Mate%02d", (v + 399999) / 2 + 1);
    else
        snprintf(text, sizeof text, "%3.2f", v / 10000.0);
    return text;
}
