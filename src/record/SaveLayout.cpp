// The save files' byte layouts. Every field is written and read one by one at
// its offset, little-endian: the records in memory differ from the file
// (pointers are 8 bytes on a 64-bit build, alignment may differ).
#include "record/savefile.h"

#include "hash/hash.h"

#include <cstring>

namespace {

// ---------------------------------------------------------------- primitives
void PutU32(uint8_t* p, uint32_t v)
{
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
    p[2] = (uint8_t)(v >> 16);
    p[3] = (uint8_t)(v >> 24);
}

uint32_t GetU32(const uint8_t* p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

uint64_t GetU64(const uint8_t* p) { return (uint64_t)GetU32(p) | (uint64_t)GetU32(p + 4) << 32; }

void PutInt(uint8_t* p, int v) { PutU32(p, (uint32_t)v); }
int GetInt(const uint8_t* p) { return (int)GetU32(p); }

void PutFloat(uint8_t* p, float f)
{
    uint32_t v;
    memcpy(&v, &f, 4);
    PutU32(p, v);
}

float GetFloat(const uint8_t* p)
{
    uint32_t v = GetU32(p);
    float f;
    memcpy(&f, &v, 4);
    return f;
}

// A pin field. The type holds 0..63 only; a value beyond is no pin either
// and reads as 0, which the restore refuses in the tri-dimensional game.
ABWHERE_E GetPin(const uint8_t* p)
{
    uint32_t v = GetU32(p);
    return (ABWHERE_E)(v <= 63 ? v : 0);
}

// ---------------------------------------------------------------- moves and table entries
const size_t MOVE_SIZE = 20;

void PutMove(uint8_t* p, const MOVE_T& m)
{
    PutU32(p + 0, m.from);
    PutU32(p + 4, m.to);
    PutInt(p + 8, m.v);
    PutInt(p + 12, m.piece_moving);
    p[16] = (uint8_t)m.move_symbol;
    p[17] = (uint8_t)m.check;
}

void GetMove(const uint8_t* p, MOVE_T* m)
{
    m->from = GetU32(p + 0);
    m->to = GetU32(p + 4);
    m->v = GetInt(p + 8);
    m->piece_moving = GetInt(p + 12);
    m->move_symbol = (char)p[16];
    m->check = (char)p[17];
}

void PutEntry(uint8_t* p, const HASHENTRY_T& e)
{
    PutU32(p + 0, e.hash1);
    PutU32(p + 4, e.hash2);
    PutInt(p + 8, e.low);
    PutInt(p + 12, e.high);
    p[16] = e.depth_low;
    p[17] = e.depth_high;
    PutU32(p + 20, e.from);
    PutU32(p + 24, e.to);
    PutU32(p + 28, e.tag);
    p[32] = e.move_num;
}

void GetEntry(const uint8_t* p, HASHENTRY_T* e)
{
    e->hash1 = GetU32(p + 0);
    e->hash2 = GetU32(p + 4);
    e->low = GetInt(p + 8);
    e->high = GetInt(p + 12);
    e->depth_low = p[16];
    e->depth_high = p[17];
    e->from = GetU32(p + 20);
    e->to = GetU32(p + 24);
    e->tag = GetU32(p + 28);
    e->move_num = p[32];
}

// ---------------------------------------------------------------- positions
// Offsets of the position record. The previous layout is the same up to
// null_unstoppable_pawn; its later fields lie TAIL_SHIFT_297 bytes further on.
enum {
    P_BC_ACTIVE = 0, P_WHEREIS = 4, P_WHITES = 20, P_HASH1 = 36, P_HASH2 = 40, P_SLIDING = 44,
    P_PAWNS7TH = 48, P_PIECE_MASK = 52, P_MATERIAL_MASK = 56, P_BOARD = 60, P_PBOARD = 316,
    P_PIECES = 380, P_CONTROL = 636, P_CONT = 892, P_SAFE_MOBILITY = 1148, P_MOBILITY = 1180,
    P_WHITE_MOVES = 1212, P_BLACK_MOVES = 1216, P_PIECE_VALUES = 1220, P_STAGE = 1348,
    P_PIECE_CHANGE = 1352, P_HUNG = 1356, P_PINNED = 1360, P_ATTACKING = 1364, P_W_MATERIAL = 1368,
    P_B_MATERIAL = 1372, P_BOARD_CONTROL = 1376, P_EXPENSIVE = 1380, P_EVALUATION = 1384,
    P_FLIGHT = 1388, P_WPASSED = 1644, P_BPASSED = 1648, P_NULL_STOPPABLE = 1652,
    P_NULL_UNSTOPPABLE = 1656,
    // From here on the previous layout is shifted.
    P_DONT_COPY = 1660, P_TOPIECES = 1664, P_XRAY = 1920, P_MOVES = 2176, P_NUM_MOVES = 2180,
    P_LAST_MOVE = 2184, P_BEST_CAPTURE = 2204, P_TACTICS = 2224, P_FLAGS = 2228, P_FLAGS2 = 2232,
    P_ENPASSANT = 2236, P_PRO_DUNSEL = 2240, P_FIFTY = 2244, P_MOVE_NUM = 2248, P_WINNER = 2252,
    P_H_ENTRY = 2256, P_OLDB = 2292, P_EVAL_RESULT = 2296, POS_SIZE = 2300
};
enum {
    TAIL_SHIFT_297 = 20, P297_WHITE_HOLES = 1664, P297_BLACK_HOLES = 1672, P297_H_ENTRY = 2276,
    P297_OLDB = 2304, P297_EVAL_RESULT = 2308, POS297_SIZE = 2312
};

// The fields the two layouts share, at the same offsets up to `shift`.
template <typename POS>
void GetCommon(const uint8_t* p, POS* b, int shift)
{
    for (int i = 0; i < 4; i++) {
        b->whereis_board[i] = GetPin(p + P_WHEREIS + 4 * i);
        b->whites_board[i] = GetInt(p + P_WHITES + 4 * i);
    }
    b->hash1 = GetU32(p + P_HASH1);
    b->hash2 = GetU32(p + P_HASH2);
    b->sliding_mask = GetU32(p + P_SLIDING);
    b->pawns7th = GetU32(p + P_PAWNS7TH);
    b->piece_mask = GetU32(p + P_PIECE_MASK);
    b->material_mask = GetU32(p + P_MATERIAL_MASK);
    for (int i = 0; i < 64; i++) {
        b->board[i] = GetInt(p + P_BOARD + 4 * i);
        b->pboard[i] = p[P_PBOARD + i];
        b->control[i] = GetInt(p + P_CONTROL + 4 * i);
        b->cont[i] = GetInt(p + P_CONT + 4 * i);
        b->flight[i] = GetU32(p + P_FLIGHT + 4 * i);
    }
    for (int i = 0; i < 32; i++) {
        b->pieces[i].p = GetInt(p + P_PIECES + 8 * i);
        b->pieces[i].pos = GetU32(p + P_PIECES + 8 * i + 4);
        b->safe_mobility[i] = (signed char)p[P_SAFE_MOBILITY + i];
        b->mobility[i] = (signed char)p[P_MOBILITY + i];
        b->piece_values[i] = GetInt(p + P_PIECE_VALUES + 4 * i);
    }
    b->white_moves = GetInt(p + P_WHITE_MOVES);
    b->black_moves = GetInt(p + P_BLACK_MOVES);
    b->stage = GetInt(p + P_STAGE);
    b->piece_change = GetU32(p + P_PIECE_CHANGE);
    b->hung_mask = GetU32(p + P_HUNG);
    b->pinned_mask = GetU32(p + P_PINNED);
    b->attacking_mask = GetU32(p + P_ATTACKING);
    b->w_material = GetInt(p + P_W_MATERIAL);
    b->b_material = GetInt(p + P_B_MATERIAL);
    b->board_control = GetInt(p + P_BOARD_CONTROL);
    b->expensive = GetInt(p + P_EXPENSIVE);
    b->evaluation = GetInt(p + P_EVALUATION);
    b->wpassed_pawn_mask = GetU32(p + P_WPASSED);
    b->bpassed_pawn_mask = GetU32(p + P_BPASSED);
    b->null_stoppable_pawn = GetU32(p + P_NULL_STOPPABLE);
    b->null_unstoppable_pawn = GetU32(p + P_NULL_UNSTOPPABLE);

    const uint8_t* t = p + shift;
    b->dont_copy = GetU32(t + P_DONT_COPY);
    for (int i = 0; i < 64; i++) {
        b->topieces[i] = GetU32(t + P_TOPIECES + 4 * i);
        b->xray_topieces[i] = GetU32(t + P_XRAY + 4 * i);
    }
    b->num_moves = GetInt(t + P_NUM_MOVES);
    GetMove(t + P_LAST_MOVE, &b->last_move);
    GetMove(t + P_BEST_CAPTURE, &b->best_capture);
    b->tactics = GetInt(t + P_TACTICS);
    b->flags = GetU32(t + P_FLAGS);
    b->flags2 = GetU32(t + P_FLAGS2);
    b->enpassant = GetU32(t + P_ENPASSANT);
    b->pro_dunsel = GetInt(t + P_PRO_DUNSEL);
    b->fifty_count = GetInt(t + P_FIFTY);
    b->move_num = GetInt(t + P_MOVE_NUM);
    b->winner = GetInt(t + P_WINNER);
}

// ---------------------------------------------------------------- states
// The current layout of STATE_T.
enum {
    S_POSITION = 0, S_POS_0 = 2300, S_INITED = 4600, S_DMODE = 4604, S_SELECTED = 4608,
    S_SPREADMAP = 4612, S_SPREAD = 4680, S_STIPPLE = 4684, S_RULES = 4688, S_VORNAK = 4692,
    S_NOTATION = 4696, S_MAXDEPTH = 4700, S_SCALE = 4704, S_PROJECTION = 4708, S_XANG = 4712,
    S_YANG = 4716, S_STOP_SEARCH = 4720, S_HASH_TABLE_SIZE = 4724, S_GAME_RECORD = 4728,
    S_HASH_LIST = 24728, S_DEMO_MODE = 28728
};
// The previous layout, STATE297_T.
enum {
    S297_POSITION = 0, S297_POS_0 = 2312, S297_INITED = 4624, S297_DMODE = 4632, S297_SELECTED = 4636,
    S297_SPREADMAP = 4640, S297_SPREAD = 4708, S297_STIPPLE = 4712, S297_RULES = 4716,
    S297_VORNAK = 4720, S297_NOTATION = 4724, S297_MAXDEPTH = 4728, S297_SCALE = 4732,
    S297_PROJECTION = 4736, S297_XANG = 4740, S297_YANG = 4744, S297_STOP_SEARCH = 4748,
    S297_HASH_TABLE_SIZE = 4752, S297_GAME_RECORD = 4756, S297_HASH_LIST = 24756, S297_DEMO_MODE = 28756
};
// The oldest layout, OLD_STATE_T: only the fields the conversion reads.
enum {
    OLD_POSITION = 0, OLD_POS_0 = 2300, OLD_INITED = 4600, OLD_DMODE = 4616, OLD_SELECTED = 4620,
    OLD_SPREADMAP = 4624, OLD_SPREAD = 4692, OLD_STIPPLE = 4696, OLD_RULES = 4700, OLD_VORNAK = 4704,
    OLD_SCALE = 4716, OLD_PROJECTION = 4720, OLD_XANG = 4724, OLD_YANG = 4728, OLD_STOP_SEARCH = 4736,
    OLD_HASH_TABLE_SIZE = 4764, OLD_GAME_RECORD = 4836, OLD_HASH_LIST = 44836, OLD_DEMO_MODE = 48848
};

void ReadRecordAndKeys(const uint8_t* record, const uint8_t* keys, STATE_T* s)
{
    for (int k = 0; k < MAX_GAME_PLIES; k++) {
        GetMove(record + MOVE_SIZE * k, &s->game_record[k]);
        s->hash_list[k] = GetU32(keys + 4 * k);
    }
}

// Where each layout keeps the settings; -1 for a field it does not have.
struct SETTINGS_AT_T {
    int inited, dmode, selected, spreadmap, spreadmap_bytes, spread, stipple, rules, vornak, notation, maxdepth;
    int scale, projection, xang, yang, stop_search, hash_table_size, game_record, hash_list, demo_mode;
};

const SETTINGS_AT_T current_at = {S_INITED, S_DMODE, S_SELECTED, S_SPREADMAP, (int)sizeof state.spreadmap,
                                  S_SPREAD, S_STIPPLE, S_RULES, S_VORNAK, S_NOTATION, S_MAXDEPTH, S_SCALE,
                                  S_PROJECTION, S_XANG, S_YANG, S_STOP_SEARCH, S_HASH_TABLE_SIZE,
                                  S_GAME_RECORD, S_HASH_LIST, S_DEMO_MODE};
const SETTINGS_AT_T previous_at = {S297_INITED, S297_DMODE, S297_SELECTED, S297_SPREADMAP, 4, S297_SPREAD,
                                   S297_STIPPLE, S297_RULES, S297_VORNAK, S297_NOTATION, S297_MAXDEPTH,
                                   S297_SCALE, S297_PROJECTION, S297_XANG, S297_YANG, S297_STOP_SEARCH,
                                   S297_HASH_TABLE_SIZE, S297_GAME_RECORD, S297_HASH_LIST, -1};
const SETTINGS_AT_T oldest_at = {OLD_INITED, OLD_DMODE, OLD_SELECTED, OLD_SPREADMAP, 4, OLD_SPREAD, OLD_STIPPLE,
                                 OLD_RULES, OLD_VORNAK, -1, -1, OLD_SCALE, OLD_PROJECTION, OLD_XANG, OLD_YANG,
                                 OLD_STOP_SEARCH, OLD_HASH_TABLE_SIZE, OLD_GAME_RECORD, OLD_HASH_LIST,
                                 OLD_DEMO_MODE};

void ReadSettings(const uint8_t* d, const SETTINGS_AT_T& at, STATE_T* s)
{
    s->oeb.inited = GetInt(d + at.inited);
    s->dmode = GetInt(d + at.dmode);
    s->selected = GetU32(d + at.selected);
    memcpy(s->spreadmap, d + at.spreadmap, at.spreadmap_bytes);
    s->spread = GetInt(d + at.spread);
    s->stipple = GetInt(d + at.stipple);
    s->rules = GetInt(d + at.rules);
    s->vornak = GetInt(d + at.vornak);
    if (at.notation >= 0)
        s->notation = GetInt(d + at.notation);  // the oldest layout keeps the current one
    s->maxdepth = at.maxdepth >= 0 ? GetInt(d + at.maxdepth) : DIFF_EASY;  // it knew no difficulty
    s->scale = GetFloat(d + at.scale);
    s->projection_ortho = GetInt(d + at.projection);
    s->xang = GetFloat(d + at.xang);
    s->yang = GetFloat(d + at.yang);
    s->stop_search = GetInt(d + at.stop_search);
    s->state_hash_table_size = GetInt(d + at.hash_table_size);
    ReadRecordAndKeys(d + at.game_record, d + at.hash_list, s);
    s->demo_mode = at.demo_mode >= 0 ? GetInt(d + at.demo_mode) : 0;
}

void ReadCurrent(const uint8_t* d, STATE_T* s)
{
    ReadPosition(d + S_POSITION, &s->position);
    ReadPosition(d + S_POS_0, &s->oeb.pos_0);
    ReadSettings(d, current_at, s);
}

void ReadPrevious(const uint8_t* d, STATE_T* s)
{
    POS297_T old;
    ReadPosition297(d + S297_POSITION, &old);
    saveposition(&s->position, &old);
    ReadPosition297(d + S297_POS_0, &old);
    saveposition(&s->oeb.pos_0, &old);
    ReadSettings(d, previous_at, s);
}

void ReadOldest(const uint8_t* d, STATE_T* s)
{
    ReadPosition(d + OLD_POSITION, &s->position);
    ReadPosition(d + OLD_POS_0, &s->oeb.pos_0);
    ReadSettings(d, oldest_at, s);
}

}  // namespace

SAVE_LAYOUT_E LayoutOfSize(size_t n)
{
    if (n == SAVE_SIZE)
        return LAYOUT_CURRENT;
    if (n == SAVE297_SIZE)
        return LAYOUT_PREVIOUS;
    if (n == OLD_SAVE_SIZE)
        return LAYOUT_OLDEST;
    return LAYOUT_UNKNOWN;
}

const char* LayoutName(SAVE_LAYOUT_E layout)
{
    switch (layout) {
    case LAYOUT_CURRENT: return "current";
    case LAYOUT_PREVIOUS: return "previous";
    case LAYOUT_OLDEST: return "oldest";
    default: return "unknown";
    }
}

void WritePosition(const POS_T* b, uint8_t* p)
{
    memset(p, 0, POS_SIZE);
    for (int i = 0; i < 4; i++) {
        PutInt(p + P_WHEREIS + 4 * i, b->whereis_board[i]);
        PutInt(p + P_WHITES + 4 * i, b->whites_board[i]);
    }
    PutU32(p + P_HASH1, b->hash1);
    PutU32(p + P_HASH2, b->hash2);
    PutU32(p + P_SLIDING, b->sliding_mask);
    PutU32(p + P_PAWNS7TH, b->pawns7th);
    PutU32(p + P_PIECE_MASK, b->piece_mask);
    PutU32(p + P_MATERIAL_MASK, b->material_mask);
    for (int i = 0; i < 64; i++) {
        PutInt(p + P_BOARD + 4 * i, b->board[i]);
        p[P_PBOARD + i] = b->pboard[i];
        PutInt(p + P_CONTROL + 4 * i, b->control[i]);
        PutInt(p + P_CONT + 4 * i, b->cont[i]);
        PutU32(p + P_FLIGHT + 4 * i, b->flight[i]);
        PutU32(p + P_TOPIECES + 4 * i, b->topieces[i]);
        PutU32(p + P_XRAY + 4 * i, b->xray_topieces[i]);
    }
    for (int i = 0; i < 32; i++) {
        PutInt(p + P_PIECES + 8 * i, b->pieces[i].p);
        PutU32(p + P_PIECES + 8 * i + 4, b->pieces[i].pos);
        p[P_SAFE_MOBILITY + i] = (uint8_t)b->safe_mobility[i];
        p[P_MOBILITY + i] = (uint8_t)b->mobility[i];
        PutInt(p + P_PIECE_VALUES + 4 * i, b->piece_values[i]);
    }
    PutInt(p + P_WHITE_MOVES, b->white_moves);
    PutInt(p + P_BLACK_MOVES, b->black_moves);
    PutInt(p + P_STAGE, b->stage);
    PutU32(p + P_PIECE_CHANGE, b->piece_change);
    PutU32(p + P_HUNG, b->hung_mask);
    PutU32(p + P_PINNED, b->pinned_mask);
    PutU32(p + P_ATTACKING, b->attacking_mask);
    PutInt(p + P_W_MATERIAL, b->w_material);
    PutInt(p + P_B_MATERIAL, b->b_material);
    PutInt(p + P_BOARD_CONTROL, b->board_control);
    PutInt(p + P_EXPENSIVE, b->expensive);
    PutInt(p + P_EVALUATION, b->evaluation);
    PutU32(p + P_WPASSED, b->wpassed_pawn_mask);
    PutU32(p + P_BPASSED, b->bpassed_pawn_mask);
    PutU32(p + P_NULL_STOPPABLE, b->null_stoppable_pawn);
    PutU32(p + P_NULL_UNSTOPPABLE, b->null_unstoppable_pawn);
    PutU32(p + P_DONT_COPY, b->dont_copy);
    PutInt(p + P_NUM_MOVES, b->num_moves);
    PutMove(p + P_LAST_MOVE, b->last_move);
    PutMove(p + P_BEST_CAPTURE, b->best_capture);
    PutInt(p + P_TACTICS, b->tactics);
    PutU32(p + P_FLAGS, b->flags);
    PutU32(p + P_FLAGS2, b->flags2);
    PutU32(p + P_ENPASSANT, b->enpassant);
    PutInt(p + P_PRO_DUNSEL, b->pro_dunsel);
    PutInt(p + P_FIFTY, b->fifty_count);
    PutInt(p + P_MOVE_NUM, b->move_num);
    PutInt(p + P_WINNER, b->winner);
    PutEntry(p + P_H_ENTRY, b->h_entry);
    PutInt(p + P_EVAL_RESULT, b->eval_result);
}

void ReadPosition(const uint8_t* p, POS_T* b)
{
    GetCommon(p, b, 0);
    b->bc_active = nullptr;
    b->moves = nullptr;
    b->oldb = nullptr;
    GetEntry(p + P_H_ENTRY, &b->h_entry);
    b->eval_result = GetInt(p + P_EVAL_RESULT);
    b->key = PieceKey(b);
}

void ReadPosition297(const uint8_t* p, POS297_T* b)
{
    GetCommon(p, b, TAIL_SHIFT_297);
    b->bc_active = GetU32(p + P_BC_ACTIVE);
    b->white_holes = GetU64(p + P297_WHITE_HOLES);
    b->black_holes = GetU64(p + P297_BLACK_HOLES);
    b->moves = GetU32(p + P_MOVES + TAIL_SHIFT_297);
    const uint8_t* e = p + P297_H_ENTRY;
    b->h_entry.hash1 = GetU32(e + 0);
    b->h_entry.hash2 = GetU32(e + 4);
    b->h_entry.low = GetInt(e + 8);
    b->h_entry.high = GetInt(e + 12);
    b->h_entry.depth_low = e[16];
    b->h_entry.depth_high = e[17];
    b->h_entry.packed = GetU32(e + 20);
    b->h_entry.move_num = e[24];
    b->oldb = GetU32(p + P297_OLDB);
    b->eval_result = GetInt(p + P297_EVAL_RESULT);
}

void saveposition(POS_T* outpos, POS297_T* inpos)
{
    POS_T* o = outpos;
    const POS297_T* i = inpos;
    o->bc_active = nullptr;  // a pointer of the program that wrote the file
    memcpy(o->whereis_board, i->whereis_board, sizeof o->whereis_board);
    memcpy(o->whites_board, i->whites_board, sizeof o->whites_board);
    o->hash1 = i->hash1;
    o->hash2 = i->hash2;
    o->sliding_mask = i->sliding_mask;
    o->pawns7th = i->pawns7th;
    o->piece_mask = i->piece_mask;
    o->material_mask = i->material_mask;
    memcpy(o->board, i->board, sizeof o->board);
    memcpy(o->pboard, i->pboard, sizeof o->pboard);
    memcpy(o->pieces, i->pieces, sizeof o->pieces);
    memcpy(o->control, i->control, sizeof o->control);
    memcpy(o->cont, i->cont, sizeof o->cont);
    memcpy(o->safe_mobility, i->safe_mobility, sizeof o->safe_mobility);
    memcpy(o->mobility, i->mobility, sizeof o->mobility);
    o->white_moves = i->white_moves;
    o->black_moves = i->black_moves;
    memcpy(o->piece_values, i->piece_values, sizeof o->piece_values);
    o->stage = i->stage;
    o->piece_change = i->piece_change;
    o->hung_mask = i->hung_mask;
    o->pinned_mask = i->pinned_mask;
    o->attacking_mask = i->attacking_mask;
    o->w_material = i->w_material;
    o->b_material = i->b_material;
    o->board_control = i->board_control;
    o->expensive = i->expensive;
    o->evaluation = i->evaluation;
    memcpy(o->flight, i->flight, sizeof o->flight);
    o->wpassed_pawn_mask = i->wpassed_pawn_mask;
    o->bpassed_pawn_mask = i->bpassed_pawn_mask;
    o->null_stoppable_pawn = i->null_stoppable_pawn;
    o->null_unstoppable_pawn = i->null_unstoppable_pawn;
    o->dont_copy = 0;
    memcpy(o->topieces, i->topieces, sizeof o->topieces);
    memcpy(o->xray_topieces, i->xray_topieces, sizeof o->xray_topieces);
    o->moves = nullptr;
    o->num_moves = i->num_moves;
    o->last_move = i->last_move;
    o->best_capture = i->best_capture;
    o->tactics = i->tactics;
    o->flags = i->flags;
    o->flags2 = i->flags2;
    o->enpassant = i->enpassant;
    o->pro_dunsel = i->pro_dunsel;
    o->fifty_count = i->fifty_count;
    o->move_num = i->move_num;
    o->winner = i->winner;
    o->eval_result = i->eval_result;
    o->key = PieceKey(o);
}

void WriteStateImage(const STATE_T* s, uint8_t* d)
{
    memset(d, 0, SAVE_SIZE);
    WritePosition(&s->position, d + S_POSITION);
    WritePosition(&s->oeb.pos_0, d + S_POS_0);
    PutInt(d + S_INITED, s->oeb.inited);
    PutInt(d + S_DMODE, s->dmode);
    PutU32(d + S_SELECTED, s->selected);
    memcpy(d + S_SPREADMAP, s->spreadmap, sizeof s->spreadmap);
    PutInt(d + S_SPREAD, s->spread);
    PutInt(d + S_STIPPLE, s->stipple);
    PutInt(d + S_RULES, s->rules);
    PutInt(d + S_VORNAK, s->vornak);
    PutInt(d + S_NOTATION, s->notation);
    PutInt(d + S_MAXDEPTH, s->maxdepth);
    PutFloat(d + S_SCALE, s->scale);
    PutInt(d + S_PROJECTION, s->projection_ortho);
    PutFloat(d + S_XANG, s->xang);
    PutFloat(d + S_YANG, s->yang);
    PutInt(d + S_STOP_SEARCH, s->stop_search);
    PutInt(d + S_HASH_TABLE_SIZE, s->state_hash_table_size);
    int keys = s->position.move_num;
    for (int k = 0; k < MAX_GAME_PLIES; k++) {
        PutMove(d + S_GAME_RECORD + MOVE_SIZE * k, s->game_record[k]);
        if (k <= keys)
            PutU32(d + S_HASH_LIST + 4 * k, s->hash_list[k]);
    }
    PutInt(d + S_DEMO_MODE, s->demo_mode);
}

bool ReadStateImage(const uint8_t* data, size_t n, STATE_T* s, SAVE_LAYOUT_E* layout)
{
    SAVE_LAYOUT_E found = LayoutOfSize(n);
    if (layout)
        *layout = found;
    switch (found) {
    case LAYOUT_CURRENT: ReadCurrent(data, s); break;
    case LAYOUT_PREVIOUS: ReadPrevious(data, s); break;
    case LAYOUT_OLDEST: ReadOldest(data, s); break;
    default: return false;
    }
    // A file names the game's kind and rules once, in the state; in memory
    // each position carries them.
    s->position.dmode = s->oeb.pos_0.dmode = s->dmode;
    s->position.rules = s->oeb.pos_0.rules = s->rules;
    return true;
}
