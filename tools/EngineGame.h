// The plain game as the protocol front ends (vornak-xboard, vornak-uci) keep
// it: a start position and the moves played from it, kept through the
// record's functions so the search sees repetitions and the fifty-move
// count; the search of its position within limits; the principal variation
// the table remembers.
#pragma once

#include "board/board.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "search/search.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

const char* const kStartFen = PLAIN_START_TEXT;

struct ENGINE_GAME_T {
    std::unique_ptr<POS_T> pos{new POS_T()};
    std::string start_fen = kStartFen;
    std::vector<MOVE_T> moves;  // as played from the start position
};

// Back to a first position with an empty key history; false, with the game
// unchanged, for a position that is not a playable plain-game one.
inline bool EngineLoadStart(ENGINE_GAME_T* g, const std::string& fen, std::string* err)
{
    std::unique_ptr<POS_T> b(new POS_T());
    int mode = 0;
    if (!ParsePosition(fen, b.get(), &mode, err))
        return false;
    if (mode != 2) {
        *err = "only the plain game is played over this protocol";
        return false;
    }
    if (const char* why = PositionUnplayableWhy(b.get())) {
        *err = why;
        return false;
    }
    state.dmode = 2;
    memset(state.hash_list, 0, sizeof state.hash_list);
    if (b->move_num >= 0 && b->move_num < MAX_GAME_PLIES)
        state.hash_list[b->move_num] = b->hash1;
    *g->pos = *b;
    g->start_fen = fen;
    g->moves.clear();
    GameListInit();
    CaptureReset();
    return true;
}

// Plays a legal move (from the move generator) as the program plays one.
inline bool EnginePlay(ENGINE_GAME_T* g, MOVE_T* m)
{
    MOVE_T made = *m;
    if (!PlayerMoved(g->pos.get(), &made))
        return false;
    g->moves.push_back(made);
    return true;
}

// Plays a move given in coordinates (e2e4, e7e8q); false if it is illegal.
inline bool EnginePlayText(ENGINE_GAME_T* g, const std::string& text)
{
    MOVE_T m;
    return ParseCoordinateMove(g->pos.get(), text, &m) && EnginePlay(g, &m);
}

// A protocol line's first word (ended by any blank, a carriage return too)
// and the rest after it, spaces before the rest dropped.
inline void SplitCommand(const std::string& line, std::string* cmd, std::string* rest)
{
    const char* const blank = " \t\r\n";
    size_t start = line.find_first_not_of(blank);
    if (start == std::string::npos) {
        cmd->clear();
        rest->clear();
        return;
    }
    size_t end = line.find_first_of(blank, start);
    *cmd = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    size_t after = end == std::string::npos ? std::string::npos : line.find_first_not_of(' ', end + 1);
    *rest = after == std::string::npos ? "" : line.substr(after);
}

// The legal move the table holds for the position; false when it holds none.
inline bool EngineTableMove(POS_T* pos, MOVE_T* out)
{
    TABLE_ENTRY_T* e = hash_c.FetchHash(pos);
    MOVE_T want;
    if (!e || !HashEntryMove(pos, e, &want))
        return false;
    std::vector<MOVE_T> legal;
    LegalChoices(pos, &legal);
    const MOVE_T* listed = ListedMove(legal.data(), (int)legal.size(), &want);
    if (!listed)
        return false;
    *out = *listed;
    return true;
}

// The principal variation as the table remembers it, from the first move.
inline std::string EnginePrincipalVariation(POS_T* root, const MOVE_T* first, int max_len)
{
    if (IsZeroMove(first))
        return "";
    std::string pv = CoordinateMove(first);
    std::unique_ptr<POS_T> pos(new POS_T(*root));
    std::unique_ptr<POS_T> next(new POS_T());
    MOVE_T m = *first;
    for (int i = 1; i < max_len; i++) {
        MOVE_T made = m;
        if (!DoMove(next.get(), pos.get(), &made))
            break;
        *pos = *next;
        pos->oldb = nullptr;
        if (!EngineTableMove(pos.get(), &m))
            break;
        pv += " " + CoordinateMove(&m);
    }
    return pv;
}

// The time for one move from a clock of `left` seconds with `inc` seconds
// added a move: a share of what is left (of the moves to go, or of thirty),
// never more than a third of it, less a reserve for the answer to reach the
// front end (a GUI may take a tenth of a second a move to draw it, charged
// to the engine's clock); at least 20 ms.
inline double EngineClockSeconds(double left, double inc, long moves_to_go)
{
    long moves = moves_to_go > 0 && moves_to_go < 30 ? moves_to_go : 30;
    double budget = left / moves + inc * 0.8;
    if (budget > left / 3)
        budget = left / 3;
    budget -= budget / 2 < 0.05 ? budget / 2 : 0.05;
    return budget < 0.02 ? 0.02 : budget;
}

// What a search may spend: seconds (0: no clock), a depth in plies (0: the
// program's deepest) and a node count (0: any).
struct ENGINE_LIMITS_T {
    double seconds = 0;
    double soft_seconds = 0;  // above 0: no new iteration after this (a game clock)
    int depth = 0;
    long nodes = 0;
    bool (*stop)() = nullptr;  // asked at every node instead of GameStopRequested
};

// A move's share of a game clock: the search may run to the whole share,
// but begins no iteration after half of it, since that one would rarely
// finish; what is not spent stays on the clock for later moves.
inline void EngineClockLimits(ENGINE_LIMITS_T* limits, double left, double inc, long moves_to_go)
{
    limits->seconds = EngineClockSeconds(left, inc, moves_to_go);
    limits->soft_seconds = limits->seconds / 2;
}

// Pondering's clock. A search begun on the opponent's time has no clock;
// at the hit (the guessed move played, or "ponderhit") it gets the move's
// limits from then on, so the ponder's depth comes on top of what the move
// would have had. Counted from the ponder's start instead, the answer came
// at once after most hits and the time saved was never spent, since the
// clock's share of a move hardly grows with the time left; self-play showed
// no gain that way. The thread that reads the front end sets hit; the rest
// is the searching thread's, set before it starts.
struct ENGINE_PONDER_T {
    std::atomic<bool> hit{false};
    bool timed = false;
    ENGINE_LIMITS_T after_hit;

    void Begin(const ENGINE_LIMITS_T& move_limits)
    {
        hit = false;
        timed = false;
        after_hit = move_limits;
    }
    // From the search's stop test: the timer starts at the hit.
    void Check()
    {
        if (!hit || timed)
            return;
        timed = true;
        if (after_hit.seconds <= 0)
            return;  // a ponder limited by depth or nodes only
        move_timer.limit_seconds = after_hit.seconds;
        move_timer.soft_seconds = after_hit.soft_seconds;
        move_timer.TimerStart();
    }
};

// Searches the game's position on the calling thread (state.stop_search,
// set by another thread, ends it early) and answers a legal move in *best;
// false when the side to move has none. The search's own choice is checked
// against the legal moves, and any legal move beats none.
inline bool EngineSearch(ENGINE_GAME_T* g, const ENGINE_LIMITS_T& limits, MOVE_T* best, ETYPE_T* score)
{
    std::vector<MOVE_T> choices;
    if (!LegalChoices(g->pos.get(), &choices))
        return false;
    std::unique_ptr<POS_T> root(new POS_T(*g->pos));
    state.vornak = NextToPlay(root.get());
    int max_depth = limits.depth > 0 ? limits.depth + 1 : DIFF_HARD;
    state.maxdepth = max_depth;
    PrepareRoot(root.get());
    root->moves = nullptr;
    search_node_limit = limits.nodes;
    search_stop_requested = limits.stop ? limits.stop : GameStopRequested;
    move_timer = MOVE_TIMER_T();
    if (limits.seconds > 0) {
        move_timer.limit_seconds = limits.seconds;
        move_timer.soft_seconds = limits.soft_seconds;
        move_timer.TimerStart();
    }
    MOVE_T found;
    ZeroMove(&found);
    ETYPE_T v = Search(root.get(), &found, max_depth);
    search_node_limit = 0;
    if (score)
        *score = v;
    std::string text = IsZeroMove(&found) ? "" : CoordinateMove(&found);
    if (text.empty() || !ParseCoordinateMove(g->pos.get(), text, best)) {
        ConsolePrint("\nthe search returned no legal move (%s); playing %s\n", text.c_str(),
                     CoordinateMove(&choices[0]).c_str());
        *best = choices[0];
    }
    return true;
}
