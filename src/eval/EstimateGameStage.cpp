// The game stage decides which weights apply; scores of different stages are
// not comparable, so a change of stage empties the transposition table.
#include "eval/eval.h"
#include "hash/hash.h"

#include <atomic>

void EstimateGameStage(POS_T* b, int root_node)
{
    // The table is shared by the threads; so is the stage its values belong to.
    static std::atomic<int> stored_stage{-1};
    if (!root_node)
        return;
    InitEvalTables();
    int count = PopCount16(b->piece_mask & 0xFF) + PopCount16((b->piece_mask >> 16) & 0xFF);
    if ((b->piece_mask & 0x20002) == 0x20002)
        count += 2;
    int stage;
    if (b->piece_mask == b->material_mask)
        stage = MATING;
    else if (count < 7)
        stage = ENDING;
    else if (count < 16 || (b->flags & 15) == 0)
        stage = MID_GS;
    else
        stage = OPENING;
    b->stage = stage;
    coefficients = new_coefficients + stage * STAGE_COEFFICIENTS;
    b->piece_change |= 0x10001 | (b->piece_mask & 0x20002);
    if (stored_stage.exchange(stage) != stage)
        hash_c.HashReset();
}
