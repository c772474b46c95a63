// PGN of the plain game: reading games from text (tags, moves, comments,
// variations and annotation glyphs skipped) with limits that make hostile
// input a refusal rather than a crash or a hang, resolving their moves on
// the board, and writing a game in export form (the seven-tag roster first,
// SAN, lines within 80 columns).
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record_internal.h"
#include "record/savefile.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const size_t MAX_TOKEN = 255;        // the longest symbol or tag value read
const size_t MAX_GAME_TOKENS = 4000;  // moves of one game, beyond any record
const size_t MAX_TAGS = 200;

const char* const kRoster[7] = {"Event", "Site", "Date", "Round", "White", "Black", "Result"};

bool IsResultToken(const std::string& t) { return t == "1-0" || t == "0-1" || t == "1/2-1/2" || t == "*"; }

bool SymbolChar(unsigned char c) { return isalnum(c) || strchr("_+#=:-/!?", c); }

std::string Where(int line) { return "line " + std::to_string(line); }

std::string Escaped(const std::string& value)
{
    std::string s;
    for (char c : value) {
        if (c == '"' || c == '\\')
            s += '\\';
        s += (unsigned char)c < 32 ? ' ' : c;
    }
    return s;
}

// The standard start, built as the board reset builds it.
bool StandardStart(POS_T* b)
{
    GAME_MODE_GUARD_T mode_guard(2, state.rules);
    int mode = 0;
    std::string err;
    return ParsePosition(PLAIN_START_TEXT, b, &mode, &err);
}

}  // namespace

std::string MoveLabel(int ply_index, int start_ply, const std::string& text)
{
    int ply = start_ply + ply_index + 1;  // odd plies are White's
    return std::to_string((ply - 1) / 2 + 1) + (ply & 1 ? ". " : "... ") + text;
}

std::string PGN_GAME_T::Tag(const std::string& name) const
{
    for (const auto& t : tags)
        if (t.first == name)
            return t.second;
    return "";
}

void PGN_GAME_T::SetTag(const std::string& name, const std::string& value)
{
    for (auto& t : tags)
        if (t.first == name) {
            t.second = value;
            return;
        }
    tags.emplace_back(name, value);
}

bool ReadPgn(const std::string& text, std::vector<PGN_GAME_T>* games, std::string* err, size_t max_games)
{
    games->clear();
    PGN_GAME_T game;
    bool in_game = false, in_moves = false;
    int line = 1, depth = 0;
    size_t i = 0, n = text.size();
    if (text.compare(0, 3, "\xef\xbb\xbf") == 0)
        i = 3;  // a UTF-8 byte order mark
    const size_t first = i;
    auto finish = [&](const std::string& result) -> bool {
        game.result = result;
        if (games->size() >= max_games) {
            *err = "more than " + std::to_string(max_games) + " games";
            return false;
        }
        games->push_back(game);
        game = PGN_GAME_T();
        in_game = in_moves = false;
        return true;
    };
    while (i < n) {
        unsigned char c = (unsigned char)text[i];
        // 1. Layout, escape lines, comments.
        if (c == '\n') {
            line++;
            i++;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            i++;
            continue;
        }
        if (c == '%' && (i == first || text[i - 1] == '\n')) {
            while (i < n && text[i] != '\n')
                i++;
            continue;
        }
        if (c == ';') {
            while (i < n && text[i] != '\n')
                i++;
            continue;
        }
        if (c == '{') {
            int opened = line;
            for (i++; i < n && text[i] != '}'; i++)
                if (text[i] == '\n')
                    line++;
            if (i >= n) {
                *err = Where(opened) + ": a comment that is never closed";
                return false;
            }
            i++;
            continue;
        }
        // 2. Variations are skipped whole, however deep (a count, not a recursion).
        if (c == '(') {
            depth++;
            i++;
            continue;
        }
        if (c == ')') {
            if (depth == 0) {
                *err = Where(line) + ": ')' without its '('";
                return false;
            }
            depth--;
            i++;
            continue;
        }
        // 3. A tag pair.
        if (c == '[' && depth == 0) {
            if (in_moves) {
                *err = Where(line) + ": a tag inside the moves (a game without its result?)";
                return false;
            }
            size_t j = i + 1;
            while (j < n && (text[j] == ' ' || text[j] == '\t'))
                j++;
            size_t name_at = j;
            while (j < n && (isalnum((unsigned char)text[j]) || text[j] == '_') && j - name_at <= MAX_TOKEN)
                j++;
            std::string name = text.substr(name_at, j - name_at);
            while (j < n && (text[j] == ' ' || text[j] == '\t'))
                j++;
            if (name.empty() || name.size() > MAX_TOKEN || j >= n || text[j] != '"') {
                *err = Where(line) + ": a tag that is not [Name \"value\"]";
                return false;
            }
            std::string value;
            for (j++; j < n && text[j] != '"' && text[j] != '\n'; j++) {
                if (text[j] == '\\' && j + 1 < n && text[j + 1] != '\n')
                    j++;
                if (value.size() >= MAX_TOKEN) {
                    *err = Where(line) + ": a tag value longer than " + std::to_string(MAX_TOKEN) + " characters";
                    return false;
                }
                value += text[j];
            }
            if (j >= n || text[j] != '"') {
                *err = Where(line) + ": a tag value that is never closed";
                return false;
            }
            for (j++; j < n && (text[j] == ' ' || text[j] == '\t'); j++) {
            }
            if (j >= n || text[j] != ']') {
                *err = Where(line) + ": a tag without its ']'";
                return false;
            }
            if (game.tags.size() >= MAX_TAGS) {
                *err = Where(line) + ": more than " + std::to_string(MAX_TAGS) + " tags";
                return false;
            }
            game.tags.emplace_back(name, value);
            in_game = true;
            i = j + 1;
            continue;
        }
        // 4. Annotation glyphs.
        if (c == '$') {
            size_t j = i + 1;
            while (j < n && isdigit((unsigned char)text[j]) && j - i < 6)
                j++;
            if (j == i + 1) {
                *err = Where(line) + ": '$' without its number";
                return false;
            }
            i = j;
            continue;
        }
        // 5. Symbols: move numbers, moves, the result.
        if (SymbolChar(c) || c == '*') {
            size_t j = i;
            if (c == '*')
                j++;
            else
                while (j < n && (SymbolChar((unsigned char)text[j]) || text[j] == '.') && j - i <= MAX_TOKEN)
                    j++;
            if (j - i > MAX_TOKEN) {
                *err = Where(line) + ": a word longer than " + std::to_string(MAX_TOKEN) + " characters";
                return false;
            }
            std::string token = text.substr(i, j - i);
            i = j;
            if (depth > 0)
                continue;
            if (IsResultToken(token)) {
                if (!finish(token))
                    return false;
                continue;
            }
            // "12." or "12..." or "12...Nf3": the number goes, the move stays.
            size_t k = 0;
            while (k < token.size() && isdigit((unsigned char)token[k]))
                k++;
            if (k > 0 && k < token.size() && token[k] == '.') {
                while (k < token.size() && token[k] == '.')
                    k++;
                token.erase(0, k);
            } else if (k == token.size()) {
                token.clear();  // a bare number
            }
            while (!token.empty() && token.back() == '.')
                token.pop_back();
            if (token.empty())
                continue;
            if (game.moves.size() >= MAX_GAME_TOKENS) {
                *err = Where(line) + ": more than " + std::to_string(MAX_GAME_TOKENS) + " moves in a game";
                return false;
            }
            game.moves.push_back(token);
            in_game = in_moves = true;
            continue;
        }
        if (c == '.' && depth == 0) {
            i++;
            continue;
        }
        if (depth > 0 && c >= 32 && c < 127) {
            i++;  // anything printable inside a variation
            continue;
        }
        char hex[8];
        snprintf(hex, sizeof hex, "0x%02x", c);
        *err = Where(line) + ": unexpected character " + hex;
        return false;
    }
    if (depth > 0) {
        *err = Where(line) + ": a variation that is never closed";
        return false;
    }
    if (in_game) {
        *err = Where(line) + ": the last game ends without its result (1-0, 0-1, 1/2-1/2 or *)";
        return false;
    }
    if (games->empty()) {
        *err = "no game";
        return false;
    }
    return true;
}

bool PgnGameMoves(const PGN_GAME_T& g, POS_T* start, std::vector<MOVE_T>* moves, bool* set_up, std::string* err)
{
    moves->clear();
    GAME_MODE_GUARD_T mode_guard(2, state.rules);
    KEY_HISTORY_GUARD_T history;
    std::string fen = g.Tag("FEN");
    for (char& c : fen)
        if (c == '\t')
            c = ' ';
    *set_up = !fen.empty();
    if (!g.Tag("Variant").empty() && g.Tag("Variant") != "Standard" && g.Tag("Variant") != "normal") {
        *err = "a game of the variant \"" + g.Tag("Variant") + "\", not of the plain game";
        return false;
    }
    if (*set_up) {
        if (!StartFromTag(fen, "FEN", 2, start, err))
            return false;
    } else if (!StandardStart(start)) {
        *err = "the start position cannot be built";
        return false;
    }
    if (!GAME_WALK_T::Fits(start, g.moves.size(), err))
        return false;
    GAME_WALK_T walk(start);
    for (size_t k = 0; k < g.moves.size(); k++) {
        MOVE_T m;
        std::string why;
        if (!ParseSanMove(walk.pos.get(), g.moves[k], &m, &why)) {
            *err = "move " + MoveLabel((int)k, start->move_num, g.moves[k]) + ": " + why;
            return false;
        }
        if (!walk.Make(m)) {
            *err = "move " + MoveLabel((int)k, start->move_num, g.moves[k]) + ": cannot be made";
            return false;
        }
        moves->push_back(m);
    }
    return true;
}

bool PgnGameFromMoves(POS_T* start, const std::vector<MOVE_T>& moves, PGN_GAME_T* g, std::string* err)
{
    std::unique_ptr<POS_T> standard(new POS_T());
    bool set_up = !StandardStart(standard.get()) || FormatPosition(start, 2) != FormatPosition(standard.get(), 2);
    g->moves.clear();
    g->start_ply = start->move_num;
    for (const char* name : kRoster)
        if (g->Tag(name).empty())
            g->SetTag(name, !strcmp(name, "Date") ? "????.??.??" : !strcmp(name, "Result") ? "*" : "?");
    if (set_up) {
        g->SetTag("SetUp", "1");
        g->SetTag("FEN", FormatPosition(start, 2));
    }
    KEY_HISTORY_GUARD_T history;
    GAME_WALK_T walk(start);
    for (size_t k = 0; k < moves.size(); k++) {
        MOVE_T m = moves[k];
        std::string san = SanMove(walk.pos.get(), &m);
        if (san.empty()) {
            *err = "move " + MoveLabel((int)k, start->move_num, CoordinateMove(&m)) + " is not legal";
            return false;
        }
        if (!walk.Make(m)) {
            *err = "move " + MoveLabel((int)k, start->move_num, san) + " cannot be made";
            return false;
        }
        g->moves.push_back(san);
    }
    return true;
}

std::string FormatPgn(const PGN_GAME_T& g)
{
    std::string out;
    std::string result = IsResultToken(g.result) ? g.result : "*";
    for (const char* name : kRoster) {
        std::string value = !strcmp(name, "Result") ? result : g.Tag(name);
        out += std::string("[") + name + " \"" + Escaped(value.empty() ? "?" : value) + "\"]\n";
    }
    for (const auto& t : g.tags) {
        bool roster = false;
        for (const char* name : kRoster)
            roster = roster || t.first == name;
        if (!roster)
            out += "[" + t.first + " \"" + Escaped(t.second) + "\"]\n";
    }
    out += "\n";
    // Movetext: a number before each White move and before the first move
    // when Black begins; lines broken before 80 columns.
    std::string line;
    auto put = [&](const std::string& word) {
        if (!line.empty() && line.size() + 1 + word.size() > 79) {
            out += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    };
    for (size_t k = 0; k < g.moves.size(); k++) {
        int ply = g.start_ply + (int)k + 1;
        if (ply & 1)
            put(std::to_string((ply - 1) / 2 + 1) + ". " + g.moves[k]);
        else if (k == 0)
            put(std::to_string((ply - 1) / 2 + 1) + "... " + g.moves[k]);
        else
            put(g.moves[k]);
        if (k < g.notes.size() && !g.notes[k].empty())
            put("{" + g.notes[k] + "}");
    }
    put(result);
    out += line + "\n";
    return out;
}

bool StateGameStart(int dmode, const char* other_kind, PGN_GAME_T* g, POS_T* start, std::string* err)
{
    if (state.dmode != dmode) {
        *err = other_kind;
        return false;
    }
    *g = PGN_GAME_T();
    if (!BuildStartPosition(start, &state)) {
        *err = "the game's start position cannot be built";
        return false;
    }
    // The game's end: the result it was saved with, else what the position says.
    int winner = state.position.winner;
    if (!winner) {
        const char* why = "";
        winner = GameResult(&state.position, &why);
    }
    g->result = winner == 1 ? "1-0" : winner == -1 ? "0-1" : winner == 2 ? "1/2-1/2" : "*";
    return true;
}

bool PgnGameOfState(PGN_GAME_T* g, std::string* err)
{
    std::unique_ptr<POS_T> start(new POS_T());
    if (!StateGameStart(2, "PGN holds the plain game only", g, start.get(), err))
        return false;
    std::vector<MOVE_T> moves;
    for (int k = GameStartPly(); k < state.position.move_num && k < MAX_GAME_PLIES; k++)
        moves.push_back(state.game_record[k]);
    g->SetTag("Event", "Vornak game");
    g->SetTag("Result", g->result);
    return PgnGameFromMoves(start.get(), moves, g, err);
}

bool GameToSaveImage(int dmode, int rules, int notation, const POS_T* start, bool set_up, const std::vector<MOVE_T>& moves,
                     const std::vector<std::string>& texts, const std::string& result, std::vector<uint8_t>* image,
                     std::string* err)
{
    // The game is played in the program's own state, move by move through
    // its legality check, and the state then put back as it was.
    std::unique_ptr<STATE_T> saved(new STATE_T(state));
    std::unique_ptr<char[]> saved_list(new char[sizeof game_list_strings]);
    memcpy(saved_list.get(), game_list_strings, sizeof game_list_strings);
    CAP_T saved_captures = cap_t;
    CONSOLE_SINK_F sink = SetConsoleSink(nullptr);
    SHELL_HOOKS_T hooks = shell_hooks;
    shell_hooks = SHELL_HOOKS_T{};

    bool ok = true;
    state.dmode = dmode;
    state.rules = rules;
    if (notation >= 0)
        state.notation = notation;
    if (!ResetBoard(false)) {
        *err = "the start position cannot be built";
        ok = false;
    }
    if (ok && set_up) {
        state.position = *start;
        state.position.rules = rules;
        state.oeb.pos_0 = state.position;
        state.oeb.inited = 1;
    }
    state.vornak = VORNAK_OFF;
    memset(state.hash_list, 0, sizeof state.hash_list);
    memset(state.game_record, 0, sizeof state.game_record);
    if (state.position.move_num >= 0 && state.position.move_num < MAX_GAME_PLIES)
        state.hash_list[state.position.move_num] = state.position.hash1;
    GameListInit();
    for (size_t k = 0; ok && k < moves.size(); k++) {
        MOVE_T m = moves[k];
        if (!PlayerMoved(&state.position, &m)) {
            *err = "move " + MoveLabel((int)k, start->move_num, texts[k]) + ": refused by the game";
            ok = false;
        }
    }
    if (ok && !state.position.winner) {
        // A game ended by resignation, agreement or the clock ends so here too.
        state.position.winner = result == "1-0" ? 1 : result == "0-1" ? -1 : result == "1/2-1/2" ? 2 : 0;
    }
    if (ok) {
        image->assign(SAVE_SIZE, 0);
        WriteStateImage(&state, image->data());
        // The program must take the file back as it restores any other.
        SAVE_LAYOUT_E layout;
        std::string why;
        if (!RestoreFromBuffer(image->data(), image->size(), &layout, &why)) {
            *err = "the save file made would be refused: " + why;
            ok = false;
        }
    }

    state = *saved;
    memcpy(game_list_strings, saved_list.get(), sizeof game_list_strings);
    cap_t = saved_captures;
    shell_hooks = hooks;
    SetConsoleSink(sink);
    return ok;
}

bool PgnGameToSaveImage(const PGN_GAME_T& g, std::vector<uint8_t>* image, std::string* err)
{
    std::unique_ptr<POS_T> start(new POS_T());
    std::vector<MOVE_T> moves;
    bool set_up = false;
    if (!PgnGameMoves(g, start.get(), &moves, &set_up, err))
        return false;
    return GameToSaveImage(2, state.rules, -1, start.get(), set_up, moves, g.moves, g.result, image, err);
}
