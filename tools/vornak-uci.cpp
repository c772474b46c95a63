// vornak-uci: the plain game over the UCI protocol, for GUIs that speak it
// (or xboard through polyglot). The game is kept as vornak-xboard keeps it
// (EngineGame.h); the search runs on a worker thread, so that "stop",
// "isready" and "quit" are answered while it thinks.
//
// Only protocol lines leave the engine, on either stream. What the core
// prints for the windowed program's console becomes "info string" lines, or
// nothing with --quiet; setting up a position replays its moves silently.
#include "EngineGame.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <new>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

const int kDefaultHashMb = 32, kMaxHashMb = 1024;

void Send(const std::string& line) { ConsoleWriteLine(stdout, line.c_str()); }

ENGINE_GAME_T game;
bool quiet = false;

// ---------------------------------------------------------------- the worker
std::thread worker;
std::mutex stop_mutex;
std::condition_variable stop_signal;
bool stop_requested = false;  // under stop_mutex

struct GO_T {
    ENGINE_LIMITS_T limits;
    bool infinite = false;  // no bestmove before "stop", whatever the search found
    bool ponder = false;    // on the opponent's time: no bestmove before "ponderhit" or "stop"
};

// "go ponder": the search runs without a clock until "ponderhit" gives it the
// move's limits (from then on) or "stop" ends it.
ENGINE_PONDER_T ponder;
std::atomic<bool> ponder_option{false};  // the GUI's Ponder: bestmove names the reply expected

bool PonderStop()
{
    ponder.Check();
    return GameStopRequested();
}

std::chrono::steady_clock::time_point go_started;

long MillisecondsSinceGo()
{
    return (long)std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - go_started)
        .count();
}

std::string ScoreText(ETYPE_T v)
{
    if (IsMateScore(v)) {
        int moves = (MatePlies(v) + 1) / 2;
        return "mate " + std::to_string(v > 0 ? moves : -moves);
    }
    return "cp " + std::to_string(v / 100);
}

// One "info" line for each finished iteration.
void ShowIteration(POS_T* root, int depth, ETYPE_T v, const MOVE_T* move)
{
    long nodes = search.nodes + search.quiesce_nodes;
    long ms = MillisecondsSinceGo();
    long nps = ms > 0 ? (long)(nodes * 1000.0 / ms) : nodes * 1000;
    std::ostringstream line;
    line << "info depth " << depth << " seldepth " << std::max(depth, search.maxply) << " score " << ScoreText(v)
         << " nodes " << nodes << " nps " << nps << " time " << ms;
    std::string pv = EnginePrincipalVariation(root, move, depth);
    if (!pv.empty())
        line << " pv " << pv;
    Send(line.str());
}

void Think(GO_T go)
{
    search_iteration_hook = ShowIteration;
    MOVE_T best;
    bool any = EngineSearch(&game, go.limits, &best, nullptr);
    state.vornak = VORNAK_OFF;
    if (go.infinite || go.ponder) {
        std::unique_lock<std::mutex> lock(stop_mutex);
        stop_signal.wait(lock, [&] { return stop_requested || (go.ponder && ponder.hit); });
    }
    if (!any) {
        Send("bestmove 0000");
        return;
    }
    // With Ponder on, the reply the table expects, for the GUI to ponder on.
    std::string pv = ponder_option ? EnginePrincipalVariation(game.pos.get(), &best, 2) : "";
    size_t blank = pv.find(' ');
    Send("bestmove " + CoordinateMove(&best) + (blank == std::string::npos ? "" : " ponder " + pv.substr(blank + 1)));
}

// Ends a search in progress; its bestmove is sent before this returns.
void StopThinking()
{
    if (!worker.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(stop_mutex);
        stop_requested = true;
    }
    state.stop_search = 1;
    stop_signal.notify_all();
    worker.join();
}

// ---------------------------------------------------------------- commands
void Go(std::istringstream& in)
{
    StopThinking();
    GO_T go;
    long wtime = -1, btime = -1, winc = 0, binc = 0, movestogo = 0, movetime = -1;
    std::string word;
    while (in >> word) {
        long value = 0;
        bool takes_value = word == "wtime" || word == "btime" || word == "winc" || word == "binc" ||
                           word == "movestogo" || word == "movetime" || word == "depth" || word == "nodes" ||
                           word == "mate";
        if (takes_value && !(in >> value))
            break;
        if (word == "wtime") wtime = value;
        else if (word == "btime") btime = value;
        else if (word == "winc") winc = value;
        else if (word == "binc") binc = value;
        else if (word == "movestogo") movestogo = value;
        else if (word == "movetime") movetime = value;
        else if (word == "depth") go.limits.depth = (int)std::min(std::max(value, 1L), (long)MAX_SEARCH_PLY - 2);
        else if (word == "nodes") go.limits.nodes = std::max(value, 1L);
        else if (word == "infinite") go.infinite = true;
        else if (word == "ponder") go.ponder = true;
        else if (word == "searchmoves") break;  // not supported: the whole position is searched
    }
    long time_ms = NextToPlay(game.pos.get()) == 1 ? wtime : btime;
    long inc_ms = NextToPlay(game.pos.get()) == 1 ? winc : binc;
    if (movetime >= 0)
        go.limits.seconds = std::max(movetime / 1000.0 - 0.03, std::min(movetime / 1000.0, 0.02));
    else if (time_ms >= 0 && !go.infinite)
        EngineClockLimits(&go.limits, time_ms / 1000.0, inc_ms / 1000.0, movestogo);
    else if (!go.infinite && !go.limits.depth && !go.limits.nodes)
        go.limits.seconds = 5;  // a bare "go": the program's usual time
    if (go.ponder) {
        ponder.Begin(go.limits);
        go.limits.seconds = go.limits.soft_seconds = 0;
        go.limits.stop = PonderStop;
    }
    stop_requested = false;
    state.stop_search = 0;
    go_started = std::chrono::steady_clock::now();
    worker = std::thread(Think, go);
}

void Position(std::istringstream& in)
{
    StopThinking();
    std::string word, fen;
    in >> word;
    if (word == "startpos") {
        fen = kStartFen;
        in >> word;
    } else if (word == "fen") {
        std::vector<std::string> fields;
        while (in >> word && word != "moves")
            fields.push_back(word);
        if (fields.size() == 4)  // the counters are optional in EPD-like FENs
            fields.insert(fields.end(), {"0", "1"});
        for (size_t i = 0; i < fields.size(); i++)
            fen += (i ? " " : "") + fields[i];
    } else {
        Send("info string position wants startpos or fen");
        return;
    }
    std::string err;
    if (!EngineLoadStart(&game, fen, &err)) {
        Send("info string illegal position: " + err);
        EngineLoadStart(&game, kStartFen, &err);
        return;
    }
    if (word != "moves")
        return;
    CONSOLE_SINK_F sink = SetConsoleSink(nullptr);
    std::string bad;
    while (in >> word)
        if (!EnginePlayText(&game, word)) {
            bad = word;
            break;
        }
    SetConsoleSink(sink);
    if (!bad.empty())
        Send("info string illegal move " + bad + ": the moves after it are not played");
}

void SetOption(const std::string& rest)
{
    // "name <id> [value <x>]"; names may hold spaces.
    size_t name_at = rest.find("name ");
    size_t value_at = rest.find(" value ");
    if (name_at == std::string::npos) {
        Send("info string setoption wants a name");
        return;
    }
    std::string name = rest.substr(name_at + 5, value_at == std::string::npos ? std::string::npos
                                                                               : value_at - name_at - 5);
    std::string value = value_at == std::string::npos ? "" : rest.substr(value_at + 7);
    std::string lower = name;
    for (char& c : lower)
        c = (char)tolower((unsigned char)c);
    if (lower == "hash") {
        long mb = atol(value.c_str());
        if (mb < 1 || mb > kMaxHashMb) {
            Send("info string Hash wants a number of megabytes from 1 to " + std::to_string(kMaxHashMb));
            return;
        }
        StopThinking();
        try {
            hash_c.HashResize((uint32_t)((size_t)mb * 1024 * 1024 / sizeof(TABLE_ENTRY_T)));
        } catch (const std::bad_alloc&) {
            Send("info string not enough memory for a table of " + std::to_string(mb) + " MB; the table is unchanged");
        }
    } else if (lower == "ponder") {
        ponder_option = value == "true";
    } else if (lower == "clear hash") {
        StopThinking();
        hash_c.HashReset();
        hash_c.OrderReset();
    } else {
        Send("info string unknown option " + name);
    }
}

// One command; false to quit.
bool Command(const std::string& line)
{
    std::string cmd, rest;
    SplitCommand(line, &cmd, &rest);
    std::istringstream args(rest);

    if (cmd == "uci") {
        Send("id name Vornak");
        Send("id author the Vornak developers");
        Send("option name Hash type spin default " + std::to_string(kDefaultHashMb) + " min 1 max " +
             std::to_string(kMaxHashMb));
        Send("option name Clear Hash type button");
        Send("option name Ponder type check default false");
        Send("uciok");
    } else if (cmd == "isready") {
        Send("readyok");
    } else if (cmd == "ucinewgame") {
        StopThinking();
        hash_c.HashReset();
        hash_c.OrderReset();
        std::string err;
        EngineLoadStart(&game, kStartFen, &err);
    } else if (cmd == "position") {
        Position(args);
    } else if (cmd == "go") {
        Go(args);
    } else if (cmd == "stop") {
        StopThinking();
    } else if (cmd == "ponderhit") {
        std::lock_guard<std::mutex> lock(stop_mutex);
        ponder.hit = true;
        stop_signal.notify_all();
    } else if (cmd == "debug" || cmd == "register" || cmd.empty()) {
        // Nothing to do.
    } else if (cmd == "setoption") {
        SetOption(rest);
    } else if (cmd == "quit") {
        return false;
    } else {
        Send("info string unknown command " + cmd);
    }
    return true;
}

const char USAGE[] = "usage: vornak-uci [--quiet]\n";

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--quiet") {
            quiet = true;
        } else if (a == "--help" || a == "-h") {
            fputs(USAGE, stdout);
            return 0;
        } else {
            fprintf(stderr, "vornak-uci: unknown option %s\n%s", a.c_str(), USAGE);
            return 2;
        }
    }
    if (quiet)
        SetConsoleSink(nullptr);
    else
        ConsoleToComments(stdout, "info string ");
    state.rules = RULES_TDCL;
    state.maxdepth = DIFF_HARD;
    state.vornak = VORNAK_OFF;
    hash_c.HashResize((uint32_t)((size_t)kDefaultHashMb * 1024 * 1024 / sizeof(TABLE_ENTRY_T)));
    std::string err;
    if (!EngineLoadStart(&game, kStartFen, &err)) {
        Send("info string " + err);
        return 2;
    }
    std::string line;
    bool more = true;
    while (more && std::getline(std::cin, line)) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        more = Command(line);
    }
    StopThinking();
    ConsoleFlush();
    return 0;
}
