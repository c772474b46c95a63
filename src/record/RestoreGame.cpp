// Restoring a saved game. A file is decoded into a scratch state and checked
// there, its record replayed move by move, before anything of the game in
// progress changes; a file that fails any check leaves the game as it was.
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record_internal.h"
#include "record/savefile.h"

#include <cerrno>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Text(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

std::string Text(const char* format, ...)
{
    char buf[200];
    va_list args;
    va_start(args, format);
    vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    return buf;
}

bool Offered(int v, std::initializer_list<int> values)
{
    for (int x : values)
        if (v == x)
            return true;
    return false;
}

// A position read from a file: piece codes, kings, army sizes, the attack
// boards' pins, counters and the en-passant square.
bool CheckPosition(const POS_T* b, int dmode, const char* which, std::string* why)
{
    ARMIES_T armies;
    int sq;
    if (!CountArmies(b, &armies, &sq)) {
        *why = Text("%s: piece code %d on square %d", which, b->board[sq], sq);
        return false;
    }
    const int *kings = armies.kings, *all = armies.all, *pawns = armies.pawns;
    for (int side = 0; side < 2; side++) {
        const char* name = side ? "Black" : "White";
        if (kings[side] != 1) {
            *why = Text("%s: %s has %d kings", which, name, kings[side]);
            return false;
        }
        if (all[side] > 16 || pawns[side] > 8) {
            *why = Text("%s: %s has %d pieces, %d of them pawns", which, name, all[side], pawns[side]);
            return false;
        }
    }
    if (dmode == 3) {
        for (int i = 0; i < 4; i++) {
            if (!IsPin(b->whereis_board[i])) {
                *why = Text("%s: attack board %d stands at %d, which is not a pin", which, i,
                            (int)b->whereis_board[i]);
                return false;
            }
            for (int j = 0; j < i; j++)
                if (b->whereis_board[j] == b->whereis_board[i]) {
                    *why = Text("%s: attack boards %d and %d stand on the same pin", which, j, i);
                    return false;
                }
        }
    }
    if (b->move_num < 0 || b->move_num > MAX_GAME_PLIES) {
        *why = Text("%s: ply count %d outside 0..%d", which, b->move_num, MAX_GAME_PLIES);
        return false;
    }
    if (b->fifty_count < 0 || b->fifty_count > MAX_GAME_PLIES) {
        *why = Text("%s: %d plies since a capture or pawn move", which, b->fifty_count);
        return false;
    }
    SQ_T ep = b->enpassant;
    if (ep && (ep > 63 || b->board[ep] ||
               (dmode == 2 && YPOS(ep) != (IsWhitesMove(b) ? 5u : 2u)))) {
        *why = Text("%s: bad en-passant square %u", which, ep);
        return false;
    }
    return true;
}

// The recorded move as the generator lists it: same piece, origin and
// destination, and castling only where the list castles.
bool Listed(POS_T* b, const MOVE_T& m)
{
    MOVE_T moves[MAX_MOVES];
    std::unique_ptr<POS_T> probe(new POS_T(*b));
    int n = GetMoveCount(probe.get(), moves);
    auto castles = [](char c) { return c == 'S' || c == 'L'; };
    for (int i = 0; i < n; i++)
        if (moves[i].piece_moving == m.piece_moving && moves[i].from == m.from && moves[i].to == m.to &&
            castles(moves[i].move_symbol) == castles(m.move_symbol) &&
            (!castles(m.move_symbol) || moves[i].move_symbol == m.move_symbol))
            return true;
    return false;
}

// Replays the record of *s from its start to its ply count, every move
// checked. Works on scratch positions and a key history of its own.
bool ReplayChecked(const STATE_T* s, std::string* why)
{
    int old_dmode = state.dmode;
    uint32_t* old_line = LineHashList();
    std::unique_ptr<uint32_t[]> history(new uint32_t[MAX_GAME_PLIES]());
    state.dmode = s->dmode;
    SetLineHashList(history.get());
    std::unique_ptr<POS_T> b(new POS_T), next(new POS_T);
    bool ok = BuildStartPosition(b.get(), s);
    if (!ok)
        *why = "the starting position cannot be set up";
    while (ok && b->move_num < s->position.move_num) {
        int k = b->move_num;
        MOVE_T m = s->game_record[k];
        ok = Listed(b.get(), m);
        if (ok) {
            *next = *b;
            ok = DoMove(next.get(), next.get(), &m) != 0;
        }
        if (!ok) {
            *why = Text("move %d (ply %d) of the record is not legal", k / 2 + 1, k + 1);
            break;
        }
        std::swap(b, next);
        b->flags &= ~FLAG_PROMOTED;
    }
    SetLineHashList(old_line);
    state.dmode = old_dmode;
    return ok;
}

// The settings the menus offer; other values become the menus' defaults.
void RepairSettings(STATE_T* s)
{
    if (!Offered(s->rules, {RULES_TOURNAMENT, RULES_TDCL}))
        s->rules = RULES_TDCL;
    if (!Offered(s->notation, {NOTATION_VESKAR, NOTATION_STANDARD, NOTATION_ALGEBRAIC}))
        s->notation = NOTATION_STANDARD;
    if (!Offered(s->maxdepth, {DIFF_EASY, DIFF_MED, DIFF_HARD}))
        s->maxdepth = DIFF_EASY;
    if (!Offered(s->spread, {SPREAD_OFF, SPREAD_PIECE, SPREAD_TEAM}))
        s->spread = SPREAD_OFF;
    if (s->vornak == VORNAK_BOTH) {
        // Playing both sides is autoplay.
        s->vornak = VORNAK_OFF;
        s->demo_mode = 1;
    } else if (!Offered(s->vornak, {VORNAK_BLACK, VORNAK_OFF, VORNAK_WHITE})) {
        s->vornak = VORNAK_OFF;
    }
    bool board = s->selected == AB_QLW || s->selected == AB_QLB || s->selected == AB_KLW || s->selected == AB_KLB;
    if (s->selected > 63 && !board)
        s->selected = NO_SQUARE;
}

bool CheckState(STATE_T* s, std::string* why)
{
    if (s->dmode != 2 && s->dmode != 3) {
        *why = Text("game mode %d is neither 2 (plain) nor 3 (tri-dimensional)", s->dmode);
        return false;
    }
    if (!std::isfinite(s->scale) || !std::isfinite(s->xang) || !std::isfinite(s->yang)) {
        *why = "the view's angles or zoom are not numbers";
        return false;
    }
    if (!CheckPosition(&s->position, s->dmode, "position", why))
        return false;
    if (s->position.winner < -1 || s->position.winner > 2) {
        *why = Text("position: result %d", s->position.winner);
        return false;
    }
    if (s->oeb.inited) {
        if (!CheckPosition(&s->oeb.pos_0, s->dmode, "starting position", why))
            return false;
        if (s->oeb.pos_0.move_num > s->position.move_num) {
            *why = Text("the game starts at ply %d but has only %d", s->oeb.pos_0.move_num, s->position.move_num);
            return false;
        }
    }
    RepairSettings(s);
    return ReplayChecked(s, why);
}

}  // namespace

bool RestoreFromBuffer(const uint8_t* data, size_t n, SAVE_LAYOUT_E* layout, std::string* why)
{
    SAVE_LAYOUT_E found = LayoutOfSize(n);
    if (layout)
        *layout = found;
    if (found == LAYOUT_UNKNOWN) {
        *why = Text("unrecognized file type: %zu bytes (a save file has %zu, %zu or %zu)", n, SAVE_SIZE,
                    SAVE297_SIZE, OLD_SAVE_SIZE);
        return false;
    }
    // Fields a layout does not carry keep their values; a new spread map
    // starts plain.
    std::unique_ptr<STATE_T> scratch(new STATE_T(state));
    for (int i = 0; i < 64; i++)
        scratch->spreadmap[i] = 65;
    ReadStateImage(data, n, scratch.get(), nullptr);
    if (!CheckState(scratch.get(), why))
        return false;

    // The game is replaced. As after a board reset, the transposition and
    // ordering tables, the captured pieces and the view start afresh; the
    // game is rebuilt from its start and its record, and then gets back the
    // settings, the view and the result it was saved with.
    state = *scratch;
    if (shell_hooks.reset_view)
        shell_hooks.reset_view();
    if (state.oeb.inited) {
        hash_c.HashReset();  // the board reset of the rebuild does it otherwise
        hash_c.OrderReset();
    }
    RebuildGame(0);
    const STATE_T& f = *scratch;
    state.selected = f.selected;
    memcpy(state.spreadmap, f.spreadmap, sizeof state.spreadmap);
    state.spread = f.spread;
    state.stipple = f.stipple;
    state.vornak = f.vornak;
    state.scale = f.scale;
    state.projection_ortho = f.projection_ortho;
    state.xang = f.xang;
    state.yang = f.yang;
    state.stop_search = f.stop_search;
    state.state_hash_table_size = f.state_hash_table_size;
    state.demo_mode = f.demo_mode;
    state.position.winner = f.position.winner;
    if (shell_hooks.create_menus)
        shell_hooks.create_menus();
    return true;
}

bool ReadSaveFile(const char* path, std::vector<uint8_t>* bytes, std::string* why)
{
    int fd = OpenRegularFileForReading(path, why);
    if (fd < 0)
        return false;
    // One byte more than the largest layout tells a longer file from it.
    bytes->assign(OLD_SAVE_SIZE + 1, 0);
    size_t got = 0;
    while (got < bytes->size()) {
        ssize_t r = read(fd, bytes->data() + got, bytes->size() - got);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0) {
            *why = strerror(errno);
            close(fd);
            return false;
        }
        if (r == 0)
            break;
        got += (size_t)r;
    }
    close(fd);
    bytes->resize(got);
    return true;
}

bool RestoreGame(int oldway)
{
    char name[sizeof gamefilename];
    if (!ChooseSaveFileName(oldway, false, name, sizeof name))
        return false;
    return RestoreGameFromFile(name);
}

bool RestoreGameFromFile(const char* name, std::string* refused)
{
    if (refused)
        refused->clear();
    std::string why;
    // The reason as the console gives it, unless the window has shorter words.
    auto refuse = [&](const std::string& words) {
        if (refused)
            *refused = words.empty() ? why : words;
        return false;
    };

    // The name is kept for the next save: a longer one would be cut short.
    if (strlen(name) >= sizeof gamefilename) {
        ConsolePrint("\nfile name too long: %s\nthe game in progress is unchanged", name);
        ConsoleFlush();
        return refuse("file name too long");
    }

    // 1. A game text is read whole here and made a save image below.
    GAME_FILE_E kind = GameFileKind(name);
    std::vector<uint8_t> bytes;
    std::string text;
    if (kind == GAME_FILE_SAVE ? !ReadSaveFile(name, &bytes, &why) : !ReadGameText(name, &text, &why)) {
        Panic(false, "can't open restore file");
        ConsolePrint("\n%s: %s", name, why.c_str());
        ConsolePrint("\nthe game in progress is unchanged");
        ConsoleFlush();
        return refuse("");
    }

    // 2, 3.
    if (shell_hooks.clutch)
        shell_hooks.clutch(0);
    ConsolePrint("\nRestore game ...");
    SAVE_LAYOUT_E layout = LAYOUT_CURRENT;
    bool ok = kind == GAME_FILE_SAVE || GameTextToSaveImage(text, &bytes, &why);
    ok = ok && RestoreFromBuffer(bytes.data(), bytes.size(), &layout, &why);
    if (layout == LAYOUT_PREVIOUS)
        ConsolePrint("v297");
    std::string words;
    if (!ok) {
        if (layout == LAYOUT_UNKNOWN && kind == GAME_FILE_SAVE) {
            ConsolePrint(" failed! unrecognized file type: %zu sos: %zu", bytes.size(), SAVE_SIZE);
            // The size is all that was looked at.
            words = Text("not a Vornak save file (wrong size: %zu bytes)", bytes.size());
        } else {
            ConsolePrint(" failed! %s", why.c_str());
        }
        ConsolePrint("\nthe game in progress is unchanged");
    } else {
        // 9.
        game_changed_since_save = false;
        snprintf(gamefilename, sizeof gamefilename, "%s", name);
        if (shell_hooks.print_banner)
            shell_hooks.print_banner();
        if (shell_hooks.set_window_title)
            shell_hooks.set_window_title(gamefilename);
        ConsolePrint("complete!");
    }
    ConsoleFlush();
    // A refused file leaves a review of the game going, and with it the
    // thread stopped: it would play onto the board of the review.
    if (shell_hooks.clutch && replay == -1)
        shell_hooks.clutch(1);
    if (shell_hooks.redraw)
        shell_hooks.redraw();
    return ok || refuse(words);
}
