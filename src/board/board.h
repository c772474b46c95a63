// The board model: squares, pieces, moves, attack boards and their pins, the
// per-configuration direction tables, the position record with its piece list,
// the reach and line maps, and the global game state every subsystem reads.
#pragma once

#include "board/console.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------- squares
typedef uint32_t SQ_T;

enum SQUARE {
    A1, A2, A3, A4, A5, A6, A7, A8,
    B1, B2, B3, B4, B5, B6, B7, B8,
    C1, C2, C3, C4, C5, C6, C7, C8,
    D1, D2, D3, D4, D5, D6, D7, D8,
    E1, E2, E3, E4, E5, E6, E7, E8,
    F1, F2, F3, F4, F5, F6, F7, F8,
    G1, G2, G3, G4, G5, G6, G7, G8,
    H1, H2, H3, H4, H5, H6, H7, H8
};

const SQ_T NO_SQUARE = 65;

inline unsigned XPOS(unsigned p) { return p >> 3; }
inline unsigned YPOS(unsigned p) { return p & 7; }

// ---------------------------------------------------------------- pieces
enum PIECE {
    B_KING = -6, B_QUEEN, B_ROOK, B_BISHOP, B_KNIGHT, B_PAWN,
    P_NONE = 0,
    W_PAWN, W_KNIGHT, W_BISHOP, W_ROOK, W_QUEEN, W_KING
};

typedef int32_t ETYPE_T;

const ETYPE_T NO_VALUE = 405000;

// The search's infinite bound, and the score of being mated.
const ETYPE_T INFINITE_SCORE = 400000;
// Scores beyond MATE_BOUND are mates: a node whose side to move mates on its
// next move scores MATE_IN_ONE, one that is mated scores -INFINITE_SCORE, and
// each ply on the way back up moves a mate score one point toward zero. At
// the root a mate in N is INFINITE_SCORE + 1 - 2N.
const ETYPE_T MATE_IN_ONE = INFINITE_SCORE - 1;
const ETYPE_T MATE_BOUND = 399872;
inline bool IsMateScore(ETYPE_T v) { return v > MATE_BOUND || v < -MATE_BOUND; }
// Plies from the root to the end of the mate that a root score announces.
inline int MatePlies(ETYPE_T v) { return INFINITE_SCORE - (v < 0 ? -v : v); }

inline ETYPE_T MateAdjustIn(ETYPE_T testv)
{
    if (testv > MATE_BOUND && testv <= MATE_IN_ONE)
        return testv + 1;
    if (testv < -MATE_BOUND && testv >= -MATE_IN_ONE)
        return testv - 1;
    return testv;
}
inline ETYPE_T MateAdjustOut(ETYPE_T v)
{
    if (v > MATE_BOUND)
        return v - 1;
    if (v < -MATE_BOUND)
        return v + 1;
    return v;
}

struct PS_T {
    int p;     // piece code; 0 marks an empty slot
    SQ_T pos;  // square; kept after a capture
};

// Slot layout of the 32-entry piece list.
const int W_KING_SLOT = 0, W_QUEEN_SLOT = 1, W_PAWN_SLOT = 8;
const int B_KING_SLOT = 16, B_QUEEN_SLOT = 17, B_PAWN_SLOT = 24;
const uint32_t WHITE_SLOTS = 0x0000FFFF, BLACK_SLOTS = 0xFFFF0000;
const uint32_t WHITE_PAWN_SLOTS = 0x0000FF00, BLACK_PAWN_SLOTS = 0xFF000000;

extern const uint32_t masks[13];
extern const uint32_t flight_mask[32];

// ---------------------------------------------------------------- moves
struct MOVE_T {
    SQ_T from;
    SQ_T to;
    int v;
    int piece_moving;  // piece code, or an AB_E value for an attack-board move
    char move_symbol;
    char check;
};

// The symbols of a promotion that names its piece.
inline bool IsPromotionSymbol(char c) { return c == 'Q' || c == 'R' || c == 'B' || c == 'N'; }

// Every move list in the program holds at most this many moves. Tri-dimensional
// positions with nine queens reach about 350 legal moves, so this leaves ample
// room; generation still stops at the bound rather than write past it.
const int MAX_MOVES = 1024;

// ---------------------------------------------------------------- attack boards
enum AB_E { AB_QLW = 100, AB_QLB = 106, AB_KLW = 116, AB_KLB = 122 };

enum ABWHERE_E {
    ABW_QL1 = 32, ABW_QL2 = 35, ABW_QL3 = 2, ABW_QL4 = 5, ABW_QL5 = 36, ABW_QL6 = 39,
    ABW_KL1 = 56, ABW_KL2 = 59, ABW_KL3 = 26, ABW_KL4 = 29, ABW_KL5 = 60, ABW_KL6 = 63
};

extern const AB_E ab_codes[4];          // board index -> AB_E
extern const ABWHERE_E ab_home[4];      // board index -> home pin
extern const ABWHERE_E attack_pins[12]; // drawing order of the pins

// ---------------------------------------------------------------- directions
enum DIR_T {
    NORTH = 1, N_N_E = 10, NORTH_EAST = 9, E_N_E = 17,
    EAST = 8, E_S_E = 15, SOUTH_EAST = 7, S_S_E = 6,
    SOUTH = -1, S_S_W = -10, SOUTH_WEST = -9, W_S_W = -17,
    WEST = -8, W_N_W = -15, NORTH_WEST = -7, N_N_W = -6
};

const int NUM_DIRS = 16;
// Table order: n, nne, ne, ... nnw.
inline constexpr DIR_T dir_order[NUM_DIRS] = {NORTH, N_N_E, NORTH_EAST, E_N_E, EAST, E_S_E, SOUTH_EAST, S_S_E,
                                              SOUTH, S_S_W, SOUTH_WEST, W_S_W, WEST, W_N_W, NORTH_WEST, N_N_W};
// Place in dir_order, -1 if none; asked at every step of every walk, so
// answered from a table built at compile time.
struct DIR_INDEX_T {
    signed char by_value[35];  // by direction + 17
    constexpr DIR_INDEX_T() : by_value()
    {
        for (int v = 0; v < 35; v++)
            by_value[v] = -1;
        for (int i = 0; i < NUM_DIRS; i++)
            by_value[dir_order[i] + 17] = (signed char)i;
    }
};
inline constexpr DIR_INDEX_T dir_index_table{};
inline int DirIndex(int direction)
{
    return direction >= -17 && direction <= 17 ? dir_index_table.by_value[direction + 17] : -1;
}
// The plain board's one neighbour per square and direction index, NO_SQUARE
// at the edge; built at compile time (a direction is file step x 8 + rank
// step, rank steps -2..2).
struct PLAIN_STEPS_T {
    SQ_T to[64][NUM_DIRS];
    constexpr PLAIN_STEPS_T() : to()
    {
        for (int sq = 0; sq < 64; sq++)
            for (int di = 0; di < NUM_DIRS; di++) {
                int v = dir_order[di];
                int rank = ((v % 8) + 8) % 8;
                rank = rank > 2 ? rank - 8 : rank;
                int x = sq / 8 + (v - rank) / 8, y = sq % 8 + rank;
                to[sq][di] = x >= 0 && x < 8 && y >= 0 && y < 8 ? (SQ_T)(sq + v) : NO_SQUARE;
            }
    }
};
inline constexpr PLAIN_STEPS_T plain_steps{};
int DirFileStep(int direction);
int DirRankStep(int direction);

// For two squares on one straight line, the direction from the first toward
// the second; 0 otherwise.
typedef signed char LINE_MAP_T[64][64];

struct BTO_T {
    unsigned n;
    SQ_T* tos;
};

// One attack-board configuration's answers: 16 directions x 64 squares, each a
// list of up to four targets, plus the line map of that configuration.
struct BC_T {
    BTO_T* n[64]; BTO_T* nne[64]; BTO_T* ne[64]; BTO_T* ene[64];
    BTO_T* e[64]; BTO_T* e_se[64]; BTO_T* se[64]; BTO_T* sse[64];
    BTO_T* s[64]; BTO_T* ssw[64]; BTO_T* sw[64]; BTO_T* wsw[64];
    BTO_T* w[64]; BTO_T* wnw[64]; BTO_T* nw[64]; BTO_T* nnw[64];
    BTO_T lists[NUM_DIRS * 64];
    SQ_T targets[NUM_DIRS * 64 * 4];
    LINE_MAP_T sliding;
    int key;

    BTO_T* List(int dir_index, SQ_T sq) { return (&n[0])[dir_index * 64 + sq]; }
    const BTO_T* List(int dir_index, SQ_T sq) const { return (&n[0])[dir_index * 64 + sq]; }
};

// ---------------------------------------------------------------- transposition entry
// Declared here because every position carries the entry fetched for it.
// This is the record the save file keeps; the table's own entries are the
// compact TABLE_ENTRY_T below.
struct HASHENTRY_T {
    uint32_t hash1;
    uint32_t hash2;
    ETYPE_T low;
    ETYPE_T high;
    uint8_t depth_low;
    uint8_t depth_high;
    uint32_t from;
    uint32_t to;
    uint32_t tag;
    uint8_t move_num;
};

// An entry of the transposition table. Two of them make a bucket, and at 32
// bytes a bucket fills one cache line: a probe lands anywhere in the table,
// so each line it touches is a miss.
struct alignas(32) TABLE_ENTRY_T {
    uint32_t hash1;
    uint32_t hash2;
    ETYPE_T low;
    ETYPE_T high;
    // KeyCheck of the position: with the bucket, chosen by the full key's
    // low half, it tells positions apart that the two short keys cannot.
    uint32_t check;
    uint8_t depth_low;
    uint8_t depth_high;
    // The stored move: from and to (NO_SQUARE_ENTRY when there is none),
    // the board that moves (AB_E) or 0 for a piece, and the generator's
    // symbol (castling 'S'/'L', en passant, the piece a promotion makes).
    uint8_t from;
    uint8_t to;
    uint8_t board_moving;
    char symbol;
    uint8_t tag;
    uint8_t move_num;
};
const uint8_t NO_SQUARE_ENTRY = 255;
static_assert(sizeof(TABLE_ENTRY_T) == 32, "two entries fill a cache line");

// ---------------------------------------------------------------- position
// The bits of POS_T.flags.
// Castling rights (they also enter the first key, shifted by 16) and castled.
const uint32_t FLAG_CASTLE_WS = 0x1, FLAG_CASTLE_WL = 0x2, FLAG_CASTLE_BS = 0x4, FLAG_CASTLE_BL = 0x8,
               FLAG_CASTLE_RIGHTS = 0xF;
const uint32_t FLAG_CASTLED_W = 0x10, FLAG_CASTLED_B = 0x20;
// The side to move stands in check; the side that just moved had stood in check.
const uint32_t FLAG_IN_CHECK = 0x80, FLAG_WAS_IN_CHECK = 0x100;
// A White or Black pawn promoted on the last move (its notation says so).
const uint32_t FLAG_PROMOTED_W = 0x800, FLAG_PROMOTED_B = 0x1000, FLAG_PROMOTED = 0x1800;
// The evaluation's marks: material judged a dead draw; the full evaluation is
// stored in eval_result; the king-shelter tables the control values use (a
// king on its king's or queen's wing, White's then Black's); tactics scored.
const uint32_t FLAG_MATERIAL_DRAWN = 0x2000, FLAG_EVALUATED = 0x4000;
const uint32_t FLAG_SHELTER_WK = 0x8000, FLAG_SHELTER_WQ = 0x10000, FLAG_SHELTER_BK = 0x20000,
               FLAG_SHELTER_BQ = 0x40000, FLAG_SHELTERS = 0x78000;
const uint32_t FLAG_TACTICS_DONE = 0x10000000;
// The move that led here still waits for its second half (maps, verdict).
const uint32_t NEED_PART2 = 0x100000;
// The search extended this node by a ply.
const uint32_t FLAG_EXTENDED = 0x4000000;
// Set when the computer plays White: the search and the king-safety term tell
// the computer's plies from the opponent's by it, and every copy carries it.
const uint32_t COMPUTER_IS_WHITE = 0x8000000;

struct POS_T {
    BC_T* bc_active;
    ABWHERE_E whereis_board[4];
    int whites_board[4];
    uint32_t hash1, hash2;
    // A 64-bit key of the pieces on their squares, kept beside the two
    // 15-bit-based keys (which saved games hold): those alone let unrelated
    // positions meet in the table and in the repetition test. See FullKey.
    uint64_t key;
    uint32_t sliding_mask;
    uint32_t pawns7th;
    uint32_t piece_mask;
    uint32_t material_mask;
    int board[64];
    unsigned char pboard[64];
    PS_T pieces[32];
    int control[64];
    int cont[64];
    signed char safe_mobility[32];
    signed char mobility[32];
    int white_moves, black_moves;
    int piece_values[32];
    int stage;
    int dmode;  // the game it belongs to: 2 the plain game, 3 the tri-dimensional
    int rules;  // whose attack-board moves it follows: RULES_TOURNAMENT, else TDCL
    uint32_t piece_change;
    uint32_t hung_mask, pinned_mask, attacking_mask;
    ETYPE_T w_material, b_material, board_control, expensive, evaluation;
    uint32_t flight[64];
    uint32_t wpassed_pawn_mask, bpassed_pawn_mask, null_stoppable_pawn, null_unstoppable_pawn;
    uint32_t dont_copy;  // fields from here on are rebuilt, not copied, by a move
    uint32_t topieces[64];
    uint32_t xray_topieces[64];
    MOVE_T* moves;
    int num_moves;
    MOVE_T last_move;
    MOVE_T best_capture;
    ETYPE_T tactics;
    uint32_t flags;
    uint32_t flags2;
    SQ_T enpassant;
    int pro_dunsel;
    int fifty_count;
    int move_num;
    int winner;
    HASHENTRY_T h_entry;
    POS_T* oldb;
    ETYPE_T eval_result;
};

inline bool IsPlainGame(const POS_T* b) { return b->dmode == 2; }

// ---------------------------------------------------------------- game state
enum { RULES_NONE = 0, RULES_TOURNAMENT = 1, RULES_TDCL = 2 };
// TDCL is the rule set of a position that names none.
inline bool TdclRules(const POS_T* b) { return b->rules != RULES_TOURNAMENT; }
enum { NOTATION_VESKAR = 0, NOTATION_STANDARD = 1, NOTATION_ALGEBRAIC = 2 };
enum { DIFF_EASY = 4, DIFF_MED = 8, DIFF_HARD = 50 };
enum { VORNAK_BLACK = -1, VORNAK_OFF = 0, VORNAK_WHITE = 1, VORNAK_BOTH = 2 };
enum SP_E { SPREAD_OFF = 0, SPREAD_PIECE = 1, SPREAD_TEAM = 2 };

struct OEB_T {
    POS_T pos_0;
    int inited;
};

const int MAX_GAME_PLIES = 1000;

// A setting that the thinking thread's search reads while the main thread may
// change it (stop the search, switch the computer off, change the depth):
// an int whose every read and write is atomic, copied and zeroed like one.
struct SHARED_INT_T {
    std::atomic<int> v{0};
    SHARED_INT_T() = default;
    SHARED_INT_T(int x) : v(x) {}
    SHARED_INT_T(const SHARED_INT_T& o) : v(int(o)) {}
    SHARED_INT_T& operator=(const SHARED_INT_T& o) { return *this = int(o); }
    SHARED_INT_T& operator=(int x)
    {
        v.store(x, std::memory_order_relaxed);
        return *this;
    }
    operator int() const { return v.load(std::memory_order_relaxed); }
};
static_assert(sizeof(SHARED_INT_T) == sizeof(int), "the game state keeps its layout");

struct STATE_T {
    POS_T position;
    OEB_T oeb;
    int dmode;
    SQ_T selected;
    char spreadmap[65];
    int spread;
    int stipple;
    int rules;
    SHARED_INT_T vornak;
    int notation;
    SHARED_INT_T maxdepth;
    float scale;
    int projection_ortho;
    float xang, yang;
    SHARED_INT_T stop_search;
    int state_hash_table_size;
    MOVE_T game_record[MAX_GAME_PLIES];
    uint32_t hash_list[MAX_GAME_PLIES];
    int demo_mode;
};

extern STATE_T state;
extern bool eval_show;

// The shell fills these; the core calls them where a game change must reach
// the window. Each may be null (tests, tools).
struct SHELL_HOOKS_T {
    void (*reset_view)();
    // Whether the move being made was entered with the mouse (a human asks
    // which piece a promotion makes), and the question itself: answers the
    // button id (1 queen, 2 rook, 3 bishop, 4 knight), 0 when the box was
    // closed, -1 when it could not be shown.
    bool (*mouse_move)();
    int (*ask_promotion)();
    // The game record's needs: stop (0) or start (1) the thinking thread;
    // rebuild the menus, which also repairs settings no menu offers; redraw;
    // name the window; print the version banner; stop the clocks at a result.
    void (*clutch)(int start);
    void (*create_menus)();
    void (*redraw)();
    void (*set_window_title)(const char* title);
    void (*print_banner)();
    void (*stop_clocks)();
    // Asks the user for a file: 1 with the name in `name`, 0 when the user
    // cancelled, -1 when no chooser can be shown.
    int (*choose_file)(const struct FILE_CHOICE_T* what, char* name, size_t size);
    // Asks for a line of text (text holds the suggestion): answers as
    // choose_file.
    int (*ask_text)(const char* title, const char* prompt, char* text, size_t size);
};

struct FILE_CHOICE_T {
    bool save;                // a name to write (may be new) rather than one to read
    const char* title;
    const char* filter_name;  // "Save Files (*.sav)"
    const char* pattern;      // "*.sav", several separated by spaces
    const char* extension;    // added to a new name typed without one
    const char* default_name;
};
extern SHELL_HOOKS_T shell_hooks;

// Program-wide report: prints "\nPanic: <text>"; with halt, "\nUNSTABLE" and
// exit code 420.
void Panic(bool halt, const char* text);

// ---------------------------------------------------------------- small helpers
unsigned GetFile(const POS_T* b, SQ_T p, int notation);
unsigned GetRank(const POS_T* b, SQ_T p);
inline int sign(int x) { return x < 0 ? -1 : 1; }
inline int SameColor(int p1, int p2) { return (p1 < 0) == (p2 < 0); }
int IsSliding(int p);
inline int imin(int a, int b) { return a < b ? a : b; }
inline int imax(int a, int b) { return a > b ? a : b; }
inline ETYPE_T emin(ETYPE_T a, ETYPE_T b) { return a < b ? a : b; }
inline ETYPE_T emax(ETYPE_T a, ETYPE_T b) { return a > b ? a : b; }
inline ETYPE_T flip(ETYPE_T v) { return 1 - v; }
void invert(ETYPE_T* p1, const ETYPE_T* p2);
// Bit counts and scans of the slot masks, on every node's path: inline.
// Counted by bit arithmetic: without a popcount instruction in the target the
// compiler's builtin is a library call.
inline int PopCount32(uint32_t x)
{
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    return (int)((((x + (x >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}
inline int BitCount(uint32_t x) { return PopCount32(x); }
extern unsigned char pop_count[256];
inline int PopCount16(uint32_t x) { return PopCount32(x & 0xFFFF); }
// Lowest set bit (27 for an empty mask, as the table scan always gave);
// highest set bit (-1 for an empty mask).
inline int FFOne(uint32_t mask) { return mask ? __builtin_ctz(mask) : 27; }
inline int FLOne(uint32_t mask) { return mask ? 31 - __builtin_clz(mask) : -1; }
int CornerDistance(SQ_T sq);
int EmptyLine(POS_T* b, SQ_T sq1, SQ_T sq2);
void InitMove(MOVE_T* move, int piece_moving, SQ_T from, SQ_T to, int value, char move_symbol, char check);
void ZeroMove(MOVE_T* move);
inline int IsZeroMove(const MOVE_T* m) { return m->from == 0 && m->to == 0; }
inline int SameMove(const MOVE_T* m1, const MOVE_T* m2) { return m1->from == m2->from && m1->to == m2->to; }
inline int IsBlacksMove(const POS_T* b) { return b->move_num & 1; }
inline int IsWhitesMove(const POS_T* b) { return !IsBlacksMove(b); }
inline int NextToPlay(const POS_T* b) { return IsWhitesMove(b) ? 1 : -1; }
void* Realloc(void* p, size_t size);

// ---------------------------------------------------------------- attack-board look-ups
// AB_E -> 0..3, -1 if none. Inline: every move made and listed asks it.
inline int AbIndex(int which_ab)
{
    switch (which_ab) {
    case AB_QLW: return 0;
    case AB_QLB: return 1;
    case AB_KLW: return 2;
    case AB_KLB: return 3;
    default: return -1;
    }
}
int IsPin(int where);                    // one of the twelve pins
int WhereIsAttackBoard(POS_T* b, int which_ab);
bool WhiteOwns(POS_T* b, int attack_board);
bool IsAttackBoardHome(POS_T* b, int ab_which);
int IsAttackBoardThere(const POS_T* b, int there);
SQ_T WhereIsAB_C(int ab_index);
int GetAttackBoardLevel(POS_T* b, int which_ab);
int GetLevel(POS_T* b, SQ_T sq);
int AttackBoardOfSquare(SQ_T sq);        // board index 0..3 of a board cell, -1 otherwise
// Pins of one side from White's end (0) to Black's (4); 2 is the stacked pair.
int PinChain(int pin);                   // -1 for a non-pin
bool IsQueenSidePin(int pin);
int PinsAtChain(bool queen_side, int chain, int out[2]);
void AlignAttackBoards(POS_T* b);
int AddABPin(const POS_T* b, int which_ab);
bool OffBoard(POS_T* b, SQ_T sq, int dir);
bool IsSameCell(POS_T* b, SQ_T sq1, SQ_T sq2);
void InitABMove(POS_T* b, int which_ab, int where_ab, SQ_T to, MOVE_T** out, int* count);

// Projected file 0..5 and rank 0..9 of a square in the tri-dimensional board
// for the position's board placement; false for a square that is nowhere.
bool ProjectedCoord(const POS_T* b, SQ_T sq, int* file, int* rank);
bool PinCovers(int pin, int* file0, int* rank0);  // lower-left projected corner

// ---------------------------------------------------------------- direction tables
int DirTo(POS_T* b, SQ_T from, int direction, BTO_T* glo_t);
BC_T* FindBoardConfig(POS_T* b);
BC_T* ConfigTable(POS_T* b);      // FindBoardConfig behind a per-thread cache
int BoardConfigKey(const POS_T* b);
int BoardConfigCount();           // tables built since the cache was last emptied
void ResetBoardConfigCache();     // frees the tables: only while no other thread uses them
const BC_T& BcCore();             // the lists between fixed-level squares
// Building blocks of the tables, shared inside the board model.
int FixedSquaresAt(int file, int rank, SQ_T out[2]);  // White's/Black's level first
void InitTableStorage(BC_T* t);

// ---------------------------------------------------------------- position set-up
void AddPiece(POS_T* b, int p, SQ_T to, PS_T* piece);
void RemovePiece(POS_T* b, PS_T* piece);
int MovePiece(POS_T* b, PS_T* piece, SQ_T to);
void ChangePiece(POS_T* b, PS_T* piece, int new_piece);
PS_T* GetPBoard(POS_T* b, SQ_T pos);
void SetPBoard(POS_T* b, SQ_T pos, PS_T* piece);
void SetupStartPosition(POS_T* b, int dmode);  // pieces, boards and rights only
// Builds the piece list, keys and maps of b's board for the game dmode.
int CreatePBoard(POS_T* b, int dmode);
int RegenToPieces(POS_T* b);
// Whether the game can go on from b: one king a side, a piece list that
// matches the board, attack boards on distinct pins, sane counters. The
// reason comes as text, null when the position is playable. Board editing
// can leave a position that fails; moves wait until it passes again.
bool PositionPlayable(const POS_T* b);
// The pieces on the board by side (0 White, 1 Black): all, kings, pawns.
// False, with the square in *bad_square, when a square holds no known piece.
struct ARMIES_T {
    int all[2], kings[2], pawns[2];
};
bool CountArmies(const POS_T* b, ARMIES_T* armies, int* bad_square);
const char* PositionUnplayableWhy(const POS_T* b);

// ---------------------------------------------------------------- reach and line maps
extern std::atomic<char> capture_map[13][64][64];
const LINE_MAP_T& SlidingMap(POS_T* b);  // the line map of b's configuration
void UpdateMaps(POS_T* b);
int SameLine(POS_T* b, SQ_T p1, SQ_T p2, SQ_T p3);
int UMDirTo(POS_T* b, SQ_T from, int dir, BTO_T* glo_t);
bool UMJump(POS_T* b, SQ_T to, SQ_T from, int delta);
// Fills a new table's line map and widens the reach map by its configuration.
void BuildLineMap(const ABWHERE_E where[4], BC_T* table);
