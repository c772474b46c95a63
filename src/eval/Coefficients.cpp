// The coefficient table: 1468 weights for each of the four game stages, and
// the pointer through which every term reads the current stage's weights.
#include "eval/eval.h"

#include <cstring>

namespace {

// The shipped weights. Only the material block is set so far; the positional
// blocks are filled in with the evaluation terms that read them.
struct Table {
    int v[NUM_COEFFICIENTS];
    Table()
    {
        memset(v, 0, sizeof v);
        // Material by piece code + 1181 (codes <= 0 read 0). The opening
        // values are the ones read in every stage.
        static const int opening[6] = {10052, 40012, 41375, 60163, 119983, 800000};
        static const int other[6] = {10000, 40100, 41200, 60300, 120000, 800000};
        for (int stage = 0; stage < 4; stage++)
            for (int k = 0; k < 6; k++)
                v[stage * STAGE_COEFFICIENTS + 1182 + k] = stage == OPENING ? opening[k] : other[k];
    }
};

const Table shipped;

}  // namespace

const int* const orig_coefficients = shipped.v;
int new_coefficients[NUM_COEFFICIENTS];
thread_local ETYPE_T* coefficients = new_coefficients;
