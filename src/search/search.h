// The computer's choice of move: iterative deepening of MTD(f) passes over a
// zero-window alpha-beta search with quiescence and move ordering.
#pragma once

#include "board/board.h"

const int MAX_SEARCH_PLY = 250;  // no line is followed deeper, whatever extends it

// Counters and per-line state of the running search; every thread that
// searches has its own.
struct SEARCH_T {
    long nodes, quiesce_nodes, confirm_nodes, extended_nodes, truncated_nodes;
    int maxdepth, maxply, mtd_count, search_depth;
    int si_converged, small_window;
    int quiesce_start_ply;
    // The ply, from the depth limit the search was given, from which no null
    // move is tried and quiescence no longer searches the answers to a check
    // (it still sees a mate).
    int ply_limit;
    long last_test;
    unsigned char null_ply[MAX_SEARCH_PLY + 2];
};
inline thread_local SEARCH_T search;

// When above 0, the search stops once it has visited this many nodes
// (interior and quiescence), as it does when its time is up.
inline thread_local long search_node_limit = 0;

// Asked between nodes: true when whoever started the search wants it ended
// now (another thread may decide so). None: only the limits end it.
inline thread_local bool (*search_stop_requested)() = nullptr;

// Told the result of each finished iteration (for tools that show progress).
inline thread_local void (*search_iteration_hook)(POS_T* root, int depth, ETYPE_T v, const MOVE_T* move) = nullptr;

// The move timer the search consults, to the millisecond.
struct MOVE_TIMER_T {
    unsigned long timer_limit = 5;  // seconds allowed for one move
    // When above 0, the limit in seconds and fractions instead (protocols
    // that give the time in milliseconds).
    double limit_seconds = 0;
    // When above 0, no new iteration begins after this many seconds (a clock
    // that is shared by the game's moves keeps what one move does not use);
    // otherwise the iterations go on until the limit.
    double soft_seconds = 0;
    int timer_state = 0;  // 0 idle, 1 started, 2 expired
    double move_start_time = 0;
    double (*clock)() = nullptr;  // seconds on a clock of the caller's; none: the steady clock
    double Now() const;
    void TimerStart();
    double ElapsedSeconds() const;
    double LimitSeconds() const;
    unsigned long TimerElapsed();  // whole seconds, at least 1 (for rates)
    int TimerExpired();            // 1 once the limit has passed
    int TimerTerminate(int force); // 1 when no new iteration should begin
};
inline thread_local MOVE_TIMER_T move_timer;

// Marks the side to move as the computer's, then regenerates, evaluates and
// stages the position, as the search expects its root.
void PrepareRoot(POS_T* b);

// Driver.
// Iterates to depth max_depth - 1 at most, from 1 or 2 up.
ETYPE_T Search(POS_T* b, MOVE_T* move_t, int max_depth);
ETYPE_T MTDSearch(POS_T* b, MOVE_T* move, int depth, ETYPE_T guess);
int MtdConverged(POS_T* b, int alpha, int depth);
ETYPE_T abroot(POS_T* b, int depth, ETYPE_T testv, MOVE_T* move);
// The root test MTDSearch makes: abroot, or a scripted stand-in that checks
// the sequence of test values.
inline thread_local ETYPE_T (*root_test)(POS_T* b, int depth, ETYPE_T testv, MOVE_T* move) = abroot;
void RootMoves(POS_T* b, MOVE_T* move);
int SearchExpired();
int TerribleMove(POS_T* b, MOVE_T* move, ETYPE_T* v);
int ComputersMove(POS_T* b);

// The static value as the search uses it: the evaluation plus a bonus for
// the move in hand (0.3 pawn), which damps the swing between odd and even
// depths.
const ETYPE_T TEMPO_BONUS = 3000;
ETYPE_T StaticValue(POS_T* b, ETYPE_T testv, int depth);

// Interior nodes.
ETYPE_T abtest(POS_T* b, int depth0, ETYPE_T testv, int ply);
int DepthExtensions(POS_T* b, int depth, int ply, ETYPE_T v1, ETYPE_T testv);

// Quiescence.
ETYPE_T StartQuiesce(POS_T* b, ETYPE_T testv, int ply);
ETYPE_T Quiesce(POS_T* b, ETYPE_T testv, int ply);
ETYPE_T QuiesceCheck(POS_T* b, ETYPE_T testv, int ply);

// What the side to move wins by the capture from -> to once both sides have
// exchanged on `to` as long as it pays (negative: the capture loses).
int StaticExchange(POS_T* b, SQ_T from, SQ_T to);

// Move ordering.
void OrderMoves(POS_T* b, MOVE_T* moves, int n, int ply, MOVE_T* m1, ETYPE_T testv);
int OrderFunction(POS_T* b, MOVE_T* m, int ply, ETYPE_T testv);
void SortMoves(MOVE_T* m, int n);
void SimpleMerge(MOVE_T* m1, MOVE_T* m2, MOVE_T* d, int n1, int n2);
void CutoffHint(POS_T* b, int m, int depth, int ply);

// Mate distance: no node scores above mating on its next move, none below
// being mated now, so tests beyond those are answered unsearched (a legal
// node only: an illegal one answers INFINITE_SCORE first).
inline bool MateDistanceDecides(ETYPE_T testv, ETYPE_T* v)
{
    if (testv > MATE_IN_ONE)
        *v = MATE_IN_ONE;
    else if (testv <= -INFINITE_SCORE)
        *v = -INFINITE_SCORE;
    else
        return false;
    return true;
}
