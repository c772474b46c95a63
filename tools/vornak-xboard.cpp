// vornak-xboard: the plain game over the xboard (CECP) protocol, so that
// xboard, or a referee, can play the program's own search against people and
// other engines. The game is kept through the record's functions, so the
// search sees repetitions and the fifty-move count of the game played.
//
// Only protocol lines leave the engine, on either stream: front ends such as
// xboard join the standard error to the standard output. What the core prints
// for the windowed program's console (moves played, reports) becomes "#"
// comment lines, which front ends ignore, or nothing with --quiet.
#include "EngineGame.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

void Send(const std::string& line) { ConsoleWriteLine(stdout, line.c_str()); }

// ---------------------------------------------------------------- input
// A reader thread queues the lines, so that a search in progress can be told
// to stop ("?", or a command that ends the game) while it runs. It is still
// reading when the program ends, so what it touches is never destroyed.
std::mutex& input_mutex = *new std::mutex;
std::condition_variable& input_ready = *new std::condition_variable;
std::deque<std::string>& input_lines = *new std::deque<std::string>;
bool input_closed = false;

bool StopsThinking(const std::string& line)
{
    std::string word = line.substr(0, line.find(' '));
    return word == "?" || word == "quit" || word == "new" || word == "force" || word == "result" ||
           word == "setboard" || word == "undo" || word == "remove" || word == "edit";
}

// Pondering ("hard"): once the engine has moved, the reply it expects is
// played on the game's board and searched without a clock while the
// opponent thinks. The opponent's answer decides: the guess itself puts the
// search on the clock (its move counts its time from then), anything but the
// clock's lines stops the search, and the guess is taken back before that
// command runs.
struct PONDER_T : ENGINE_PONDER_T {
    bool enabled = false;
    std::string guess;             // the reader's copy, under input_mutex; "" when not pondering
    std::string played;            // the guess standing on the board, "" when none
    bool found = false;            // answer holds the search's move after the guess
    MOVE_T answer;
};
PONDER_T& ponder = *new PONDER_T;  // the reader reads its guess

// The move a line plays ("usermove e7e5", or "e7e5" from an old front end).
std::string MoveOfLine(const std::string& line)
{
    std::string cmd, rest;
    SplitCommand(line, &cmd, &rest);
    return cmd == "usermove" ? rest : cmd;
}

// The clock's lines come just before the opponent's move and leave a ponder be.
bool ClockLine(const std::string& line)
{
    std::string cmd, rest;
    SplitCommand(line, &cmd, &rest);
    return cmd == "time" || cmd == "otim";
}

// What a line read means for the search running now; under input_mutex.
void JudgeLine(const std::string& line)
{
    if (ponder.guess.empty()) {
        if (StopsThinking(line))
            state.stop_search = 1;
    } else if (MoveOfLine(line) == ponder.guess) {
        ponder.hit = true;
        ponder.guess.clear();  // from here on the search is the engine's own move
    } else if (!ClockLine(line)) {
        state.stop_search = 1;
        ponder.guess.clear();
    }
}

void ReadInput()
{
    char buf[4096];
    while (fgets(buf, sizeof buf, stdin)) {
        std::string line = buf;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        std::lock_guard<std::mutex> lock(input_mutex);
        JudgeLine(line);
        input_lines.push_back(line);
        input_ready.notify_one();
    }
    std::lock_guard<std::mutex> lock(input_mutex);
    input_closed = true;
    state.stop_search = 1;
    input_ready.notify_one();
}

bool NextLine(std::string* line)
{
    std::unique_lock<std::mutex> lock(input_mutex);
    input_ready.wait(lock, [] { return !input_lines.empty() || input_closed; });
    if (input_lines.empty())
        return false;
    *line = input_lines.front();
    input_lines.pop_front();
    return true;
}

// A command waiting that makes the move just found worthless.
bool PendingStop()
{
    std::lock_guard<std::mutex> lock(input_mutex);
    for (const std::string& l : input_lines)
        if (StopsThinking(l) && l != "?")
            return true;
    return input_closed;
}

// ---------------------------------------------------------------- the game
struct GAME_T : ENGINE_GAME_T {
    bool force = false;
    int engine_side = -1;       // 1 White, -1 Black
    bool over = false;
    unsigned long move_seconds = 0;  // st; 0 when the clock decides
    long level_moves = 0;            // level: moves per session, 0 for all
    double level_base = 0, level_inc = 0;  // seconds
    // Our clock as last told by "time", else as we keep it: the level's
    // base, less what each of our moves took, plus the increment. Negative
    // when no clock was given.
    double clock_left = -1;
    double think_start = -1;         // when the move was asked for
    int depth_limit = 0;             // sd; 0 for none
};

GAME_T game;

// Back to the game's first position with an empty key history.
bool LoadStart(const std::string& fen, std::string* err)
{
    if (!EngineLoadStart(&game, fen, err))
        return false;
    game.over = false;
    return true;
}

// Announces the end of the game if the position ends it.
bool AnnounceResult()
{
    const char* why = "";
    int r = GameResult(game.pos.get(), &why);
    if (!r)
        return false;
    game.over = true;
    const char* score = r == 1 ? "1-0" : r == -1 ? "0-1" : "1/2-1/2";
    Send(std::string(score) + " {" + why + "}");
    return true;
}

bool Play(MOVE_T* m) { return EnginePlay(&game, m); }

// The clock a level starts (and "new" restarts) with.
void ResetClock()
{
    game.clock_left = game.level_base > 0 || game.level_inc > 0 ? game.level_base : -1;
}

// Charges our move to our clock, for a front end that never tells it (a
// "time" before the next move corrects it): from the moment the move was
// asked for, or after a ponder's hit from the hit.
void ChargeMove()
{
    double began = game.think_start;
    game.think_start = -1;
    if (game.clock_left < 0 || game.move_seconds)
        return;
    double took = began >= 0 ? move_timer.Now() - began : move_timer.timer_state ? move_timer.ElapsedSeconds() : 0;
    game.clock_left = std::max(0.0, game.clock_left + game.level_inc - took);  // overdrawn is out, not unknown
    // A session ends with its last move, counted as MoveLimits counts them.
    if (game.level_moves > 0 && ((long)game.moves.size() + 1) / 2 % game.level_moves == 0)
        game.clock_left += game.level_base;
}

// Takes back the last n moves by replaying the rest from the start.
void TakeBack(int n)
{
    std::vector<MOVE_T> keep = game.moves;
    if (n > (int)keep.size())
        n = (int)keep.size();
    keep.resize(keep.size() - n);
    std::string err;
    if (!LoadStart(game.start_fen, &err))
        return;
    for (MOVE_T m : keep) {
        std::string text = CoordinateMove(&m);
        MOVE_T legal;
        if (!ParseCoordinateMove(game.pos.get(), text, &legal) || !Play(&legal))
            break;
    }
    const char* why = "";
    game.over = GameResult(game.pos.get(), &why) != 0;
}

// The time for this move: st when given, else a share of the clock.
void MoveLimits(ENGINE_LIMITS_T* limits)
{
    long to_go = game.level_moves > 0 ? game.level_moves - (long)(game.moves.size() / 2) % game.level_moves : 0;
    if (game.move_seconds)
        limits->seconds = game.move_seconds;
    else if (game.clock_left >= 0)
        EngineClockLimits(limits, game.clock_left, game.level_inc, to_go);
    else
        limits->seconds = 5;
}

// A search about to begin hears the lines read before it too ("?", a
// command that ends the game, the opponent's move when pondering on guess).
// One locked step, so that the reader judges every later line the same way.
void JudgeWaitingLines(const std::string& guess = "")
{
    std::lock_guard<std::mutex> lock(input_mutex);
    ponder.guess = guess;
    state.stop_search = input_closed ? 1 : 0;
    for (const std::string& l : input_lines)
        JudgeLine(l);
}

void Ponder();

// Plays the engine's move, tells the front end, then ponders on the reply.
void Answer(MOVE_T legal)
{
    std::string text = CoordinateMove(&legal);
    if (!Play(&legal)) {
        Send("tellusererror the engine's move " + text + " was refused");
        return;
    }
    ChargeMove();
    Send("move " + text);
    if (!AnnounceResult())
        Ponder();
}

void Think()
{
    if (game.over)
        return;
    game.think_start = move_timer.Now();
    JudgeWaitingLines();
    ENGINE_LIMITS_T limits;
    MoveLimits(&limits);
    limits.depth = game.depth_limit;
    MOVE_T legal;
    bool any = EngineSearch(&game, limits, &legal, nullptr);
    state.vornak = VORNAK_OFF;
    if (PendingStop())
        return;
    state.stop_search = 0;
    if (!any) {
        AnnounceResult();
        return;
    }
    Answer(legal);
}

bool PonderStop()
{
    ponder.Check();
    return GameStopRequested();
}

// The reply the engine expects: the table's move, else a short search's.
bool ExpectedReply(MOVE_T* guess)
{
    if (EngineTableMove(game.pos.get(), guess))
        return true;
    JudgeWaitingLines();
    ENGINE_LIMITS_T limits;
    limits.seconds = limits.soft_seconds = 0.05;
    bool any = EngineSearch(&game, limits, guess, nullptr);
    state.vornak = VORNAK_OFF;
    return any && !state.stop_search;
}

void Ponder()
{
    if (!ponder.enabled || game.over || game.force || NextToPlay(game.pos.get()) == game.engine_side)
        return;
    MOVE_T guess;
    if (!ExpectedReply(&guess))
        return;
    std::string text = CoordinateMove(&guess);
    if (!Play(&guess))
        return;
    const char* why = "";
    if (GameResult(game.pos.get(), &why)) {
        TakeBack(1);  // nothing to think about after a game's last move
        return;
    }
    ponder.played = text;
    ponder.found = false;
    ENGINE_LIMITS_T move_limits;
    MoveLimits(&move_limits);
    ponder.Begin(move_limits);
    JudgeWaitingLines(text);
    ConsolePrint("\npondering on %s\n", text.c_str());
    ConsoleFlush();
    ENGINE_LIMITS_T limits;  // no clock until the hit
    limits.depth = game.depth_limit;
    limits.stop = PonderStop;
    ponder.found = EngineSearch(&game, limits, &ponder.answer, nullptr);
    state.vornak = VORNAK_OFF;
    std::lock_guard<std::mutex> lock(input_mutex);
    ponder.guess.clear();
    state.stop_search = 0;
}

// Before a command runs: a guess the opponent did not play is taken back.
void EndPonder(const std::string& line)
{
    if (ponder.played.empty() || ClockLine(line) || MoveOfLine(line) == ponder.played)
        return;
    ponder.played.clear();
    TakeBack(1);
}

double ParseClock(const std::string& s)
{
    // "5" minutes or "0:30" minutes and seconds.
    size_t colon = s.find(':');
    if (colon == std::string::npos)
        return atof(s.c_str()) * 60;
    return atof(s.substr(0, colon).c_str()) * 60 + atof(s.substr(colon + 1).c_str());
}

void UserMove(const std::string& text)
{
    if (!ponder.played.empty()) {
        // The guess, already on the board (EndPonder took any other back).
        ponder.played.clear();
        ConsolePrint("\nponder hit\n");
        if (PendingStop())
            return;
        game.think_start = -1;  // the move's time runs from the hit
        if (ponder.found)
            Answer(ponder.answer);
        else
            Think();
        return;
    }
    if (game.over) {
        Send("Illegal move (the game is over): " + text);
        return;
    }
    MOVE_T m;
    if (!ParseCoordinateMove(game.pos.get(), text, &m) || !Play(&m)) {
        Send("Illegal move: " + text);
        return;
    }
    if (AnnounceResult())
        return;
    if (!game.force && NextToPlay(game.pos.get()) == game.engine_side)
        Think();
}

bool LooksLikeMove(const std::string& w)
{
    return w.size() >= 4 && w.size() <= 5 && w[0] >= 'a' && w[0] <= 'h' && w[1] >= '1' && w[1] <= '8' &&
           w[2] >= 'a' && w[2] <= 'h' && w[3] >= '1' && w[3] <= '8';
}

// One command; false to quit.
bool Command(const std::string& line)
{
    std::string cmd, rest;
    SplitCommand(line, &cmd, &rest);
    EndPonder(line);

    if (cmd.empty() || cmd == "xboard" || cmd == "accepted" || cmd == "rejected" || cmd == "random" ||
        cmd == "post" || cmd == "nopost" || cmd == "computer" ||
        cmd == "name" || cmd == "otim" || cmd == "?" || cmd == "draw" || cmd == "rating" || cmd == "ics") {
        return true;
    }
    if (cmd == "quit")
        return false;
    if (cmd == "hard" || cmd == "easy") {
        ponder.enabled = cmd == "hard";
        return true;
    }
    if (cmd == "protover") {
        Send("feature done=0");
        Send("feature myname=\"Vornak\" setboard=1 usermove=1 san=0 sigint=0 sigterm=0 ping=1 time=1 debug=1 "
             "draw=0 analyze=0 colors=0 reuse=1 variants=\"normal\"");
        Send("feature done=1");
    } else if (cmd == "new") {
        std::string err;
        LoadStart(kStartFen, &err);
        game.force = false;
        game.engine_side = -1;
        game.depth_limit = 0;
        ResetClock();
        hash_c.HashReset();
        hash_c.OrderReset();
    } else if (cmd == "force") {
        game.force = true;
    } else if (cmd == "go") {
        game.force = false;
        game.engine_side = NextToPlay(game.pos.get());
        Think();
    } else if (cmd == "playother") {
        game.force = false;
        game.engine_side = -NextToPlay(game.pos.get());
    } else if (cmd == "white" || cmd == "black") {
        game.engine_side = cmd == "white" ? -1 : 1;  // old protocol: the other side moves next
    } else if (cmd == "usermove") {
        UserMove(rest);
    } else if (cmd == "setboard") {
        std::string err;
        if (!LoadStart(rest, &err))
            Send("tellusererror Illegal position: " + err);
        else
            AnnounceResult();
    } else if (cmd == "st") {
        long s = atol(rest.c_str());
        game.move_seconds = s > 0 ? (unsigned long)s : 1;
    } else if (cmd == "sd") {
        game.depth_limit = atoi(rest.c_str());
    } else if (cmd == "level") {
        std::istringstream lv(rest);
        std::string mps, base, inc;
        lv >> mps >> base >> inc;
        game.level_moves = atol(mps.c_str());
        game.level_base = ParseClock(base);
        game.level_inc = atof(inc.c_str());
        game.move_seconds = 0;
        ResetClock();
    } else if (cmd == "time") {
        game.clock_left = atol(rest.c_str()) / 100.0;
    } else if (cmd == "result") {
        game.over = true;
    } else if (cmd == "undo") {
        TakeBack(1);
    } else if (cmd == "remove") {
        TakeBack(2);
    } else if (cmd == "ping") {
        Send("pong " + rest);
    } else if (LooksLikeMove(cmd)) {
        UserMove(cmd);  // a front end that did not take the usermove feature
    } else {
        Send("Error (unknown command): " + cmd);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    bool quiet = false;
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--quiet")) {
            quiet = true;
        } else if (!strcmp(argv[i], "--help") || !strcmp(argv[i], "-h")) {
            printf("usage: vornak-xboard [--quiet]\n");
            return 0;
        } else {
            fprintf(stderr, "vornak-xboard: unknown option %s\nusage: vornak-xboard [--quiet]\n", argv[i]);
            return 2;
        }
    }
    if (quiet)
        SetConsoleSink(nullptr);
    else
        ConsoleToComments(stdout, "# ");
    setvbuf(stdin, nullptr, _IONBF, 0);
    state.rules = RULES_TDCL;
    state.maxdepth = DIFF_HARD;
    state.vornak = VORNAK_OFF;
    std::string err;
    if (!LoadStart(kStartFen, &err)) {
        Send("# vornak-xboard: " + err);
        return 2;
    }
    std::thread reader(ReadInput);
    reader.detach();
    std::string line;
    while (NextLine(&line))
        if (!Command(line))
            break;
    ConsoleFlush();
    return 0;
}
