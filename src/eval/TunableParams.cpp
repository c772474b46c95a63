// The weights a fit may move, grouped so that few games' positions suffice:
// a square table is fitted as a left half mirrored onto the right, the two
// king shelters as one table and its mirror, a mobility table by count
// alone (every row of it holds the same values). The mating stage is not
// fitted: it reads little of these blocks and its positions are rare.
#include "eval/eval.h"

namespace {

const int FITTED_STAGES[] = {OPENING, MID_GS, ENDING};

void AddMirroredTable(std::vector<TUNE_PARAM_T>* out, int stage, int block)
{
    int base = stage * STAGE_COEFFICIENTS + block;
    for (int column = 0; column < 4; column++)
        for (int row = 0; row < 8; row++)
            out->push_back({stage, {base + column * 8 + row, base + (7 - column) * 8 + row}, {}});
}

void AddMobility(std::vector<TUNE_PARAM_T>* out, int stage, int block, int rows)
{
    int base = stage * STAGE_COEFFICIENTS + block;
    for (int count = 0; count < 10; count++) {
        TUNE_PARAM_T p{stage, {}, {}};
        for (int row = 0; row < rows; row++)
            p.entries.push_back(base + count + 10 * row);
        out->push_back(p);
    }
}

void AddEach(std::vector<TUNE_PARAM_T>* out, int stage, int first, int count)
{
    for (int i = 0; i < count; i++)
        out->push_back({stage, {stage * STAGE_COEFFICIENTS + first + i}, {}});
}

// One scale for all of a stage's entries of the fine parameters that lie in
// [first, last).
void AddScale(std::vector<TUNE_PARAM_T>* out, const std::vector<TUNE_PARAM_T>& fine, int stage, int first, int last)
{
    TUNE_PARAM_T p{stage, {}, {}};
    for (const TUNE_PARAM_T& f : fine)
        for (int e : f.entries)
            if (f.stage == stage && e % STAGE_COEFFICIENTS >= first && e % STAGE_COEFFICIENTS < last) {
                p.entries.push_back(e);
                p.shape.push_back(orig_coefficients[e] / 1000.0);
            }
    out->push_back(p);
}

}  // namespace

std::vector<TUNE_PARAM_T> TunableParams(bool coarse)
{
    std::vector<TUNE_PARAM_T> out;
    if (coarse) {
        std::vector<TUNE_PARAM_T> fine = TunableParams(false);
        const int blocks[] = {ROOK_SQUARE_TABLE, KNIGHT_SQUARE_TABLE, CONTROL_TABLE, KING_SIDE_SHELTER,
                              QUEEN_SIDE_SHELTER + 64, KNIGHT_MOBILITY, BISHOP_MOBILITY, ROOK_MOBILITY,
                              QUEEN_MOBILITY, KING_MOBILITY, KNIGHT_SAFE_MOBILITY, BISHOP_SAFE_MOBILITY,
                              ROOK_SAFE_MOBILITY, QUEEN_SAFE_MOBILITY, KING_SAFE_MOBILITY, MATERIAL};
        for (int stage : FITTED_STAGES) {
            // Each block to the next (the two shelters, tied, are one).
            for (size_t i = 0; i + 1 < sizeof blocks / sizeof blocks[0]; i++)
                AddScale(&out, fine, stage, blocks[i], blocks[i + 1]);
            AddScale(&out, fine, stage, ATTACK_COUNT, ATTACK_COUNT + 16);
            AddScale(&out, fine, stage, PASSED_CONTROL_AHEAD, PAWN_UNSTOPPABLE);
            AddScale(&out, fine, stage, PAWN_SQUARE_TABLE, PAWN_SQUARE_TABLE + 64);
        }
        return out;
    }
    for (int stage : FITTED_STAGES) {
        AddMirroredTable(&out, stage, ROOK_SQUARE_TABLE);
        AddMirroredTable(&out, stage, KNIGHT_SQUARE_TABLE);
        AddMirroredTable(&out, stage, CONTROL_TABLE);
        AddMirroredTable(&out, stage, PAWN_SQUARE_TABLE);
        int base = stage * STAGE_COEFFICIENTS;
        for (int column = 0; column < 8; column++)
            for (int row = 0; row < 8; row++)
                out.push_back({stage, {base + KING_SIDE_SHELTER + column * 8 + row,
                                       base + QUEEN_SIDE_SHELTER + (7 - column) * 8 + row},
                                {}});
        for (int block = KNIGHT_MOBILITY; block < KING_SAFE_MOBILITY; block += 80)
            AddMobility(&out, stage, block, 8);
        // Row 7 of the king's table is cut short by the material block.
        AddMobility(&out, stage, KING_SAFE_MOBILITY, 7);
        AddEach(&out, stage, ATTACK_COUNT, 16);
        AddEach(&out, stage, PASSED_CONTROL_AHEAD, PAWN_UNSTOPPABLE - PASSED_CONTROL_AHEAD);
    }
    return out;
}
