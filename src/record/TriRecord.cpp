// The tri-dimensional game's text record (docs/tri-record.md): PGN's syntax
// (the same reader and writer), the game's own tags, and moves in the
// coordinates the tools use, which name cells, boards and pins without the
// ambiguity of any of the game's notations.
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record_internal.h"

#include <cctype>
#include <cstring>
#include <memory>

namespace {

const char* const kVariant = "Tri-dimensional";

std::string Upper(std::string s)
{
    for (char& c : s)
        c = (char)toupper((unsigned char)c);
    return s;
}

}  // namespace

std::string TriMoveText(const MOVE_T* m)
{
    std::string s = CoordinateMove(m);
    size_t open = s.find('(');
    if (open != std::string::npos && s.back() == ')')
        s = s.substr(0, open) + "/" + s.substr(open + 1, s.size() - open - 2);
    return s;
}

bool ParseTriMoveText(POS_T* b, const std::string& text, MOVE_T* out)
{
    if (IsPlainGame(b) || text.empty() || text.size() > 32)
        return false;
    std::string want = Upper(text);
    std::vector<MOVE_T> legal;
    LegalChoices(b, &legal);
    if (want == "O-O" || want == "O-O-O" || want == "0-0" || want == "0-0-0") {
        std::string kind = want.size() == 3 ? "/O-O" : "/O-O-O";
        int found = 0;
        for (const MOVE_T& m : legal) {
            std::string t = TriMoveText(&m);
            if (t.size() > kind.size() && t.compare(t.size() - kind.size(), kind.size(), kind) == 0) {
                *out = m;
                found++;
            }
        }
        return found == 1;
    }
    for (const MOVE_T& m : legal)
        if (Upper(TriMoveText(&m)) == want) {
            *out = m;
            return true;
        }
    // A promotion without its piece makes a queen, as in the coordinates.
    for (const MOVE_T& m : legal)
        if (m.move_symbol == 'Q' && Upper(TriMoveText(&m)) == want + "Q") {
            *out = m;
            return true;
        }
    return false;
}

bool TriRecordOfState(PGN_GAME_T* g, std::string* err)
{
    std::unique_ptr<POS_T> start(new POS_T());
    if (!StateGameStart(3, "the record is of the tri-dimensional game; the plain game has PGN", g, start.get(), err))
        return false;
    for (const char* name : {"Event", "Site", "Date", "Round", "White", "Black", "Result"})
        g->SetTag(name, !strcmp(name, "Event") ? "Vornak game" : !strcmp(name, "Date") ? "????.??.??"
                        : !strcmp(name, "Result") ? g->result : "?");
    g->SetTag("Variant", kVariant);
    g->SetTag("Rules", state.rules == RULES_TOURNAMENT ? "Tournament" : "TDCL");
    g->SetTag("Notation", state.notation == NOTATION_VESKAR ? "Tournament"
                          : state.notation == NOTATION_ALGEBRAIC ? "Algebraic" : "Standard");
    std::string start_line = FormatPosition(start.get(), 3);
    if (start_line != TRI_START_TEXT) {
        g->SetTag("SetUp", "1");
        g->SetTag("Position", start_line);
    }
    g->start_ply = start->move_num;
    KEY_HISTORY_GUARD_T history;
    GAME_WALK_T walk(start.get());
    for (int k = start->move_num; k < state.position.move_num && k < MAX_GAME_PLIES; k++) {
        MOVE_T m = state.game_record[k];
        std::string text = TriMoveText(&m);
        MOVE_T legal;
        if (!ParseTriMoveText(walk.pos.get(), text, &legal)) {
            *err = "move " + MoveLabel(k - start->move_num, start->move_num, text) + " is not legal";
            return false;
        }
        if (!walk.Make(legal)) {
            *err = "move " + MoveLabel(k - start->move_num, start->move_num, text) + " cannot be made";
            return false;
        }
        g->moves.push_back(text);
        g->notes.push_back(GameListGet(k + 1));
    }
    return true;
}

bool TriRecordMoves(const PGN_GAME_T& g, POS_T* start, std::vector<MOVE_T>* moves, bool* set_up, int* rules,
                    int* notation, std::string* err)
{
    moves->clear();
    if (g.Tag("Variant") != kVariant) {
        *err = "not a tri-dimensional record (its Variant tag is not \"Tri-dimensional\")";
        return false;
    }
    std::string r = Upper(g.Tag("Rules"));
    if (r != "" && r != "TDCL" && r != "TOURNAMENT") {
        *err = "the Rules tag wants TDCL or Tournament, not \"" + g.Tag("Rules") + "\"";
        return false;
    }
    *rules = r == "TOURNAMENT" ? RULES_TOURNAMENT : RULES_TDCL;
    std::string n = Upper(g.Tag("Notation"));
    *notation = n == "STANDARD" ? NOTATION_STANDARD : n == "TOURNAMENT" ? NOTATION_VESKAR
              : n == "ALGEBRAIC" ? NOTATION_ALGEBRAIC : -1;
    GAME_MODE_GUARD_T mode_guard(3, *rules);
    KEY_HISTORY_GUARD_T history;
    std::string line = g.Tag("Position");
    *set_up = !line.empty();
    if (!StartFromTag(*set_up ? line : TRI_START_TEXT, "Position", 3, start, err))
        return false;
    start->rules = *rules;
    if (!GAME_WALK_T::Fits(start, g.moves.size(), err))
        return false;
    GAME_WALK_T walk(start);
    for (size_t k = 0; k < g.moves.size(); k++) {
        MOVE_T m;
        if (!ParseTriMoveText(walk.pos.get(), g.moves[k], &m)) {
            *err = "move " + MoveLabel((int)k, start->move_num, g.moves[k]) + ": no legal move fits";
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

bool TriRecordToSaveImage(const PGN_GAME_T& g, std::vector<uint8_t>* image, std::string* err)
{
    std::unique_ptr<POS_T> start(new POS_T());
    std::vector<MOVE_T> moves;
    bool set_up = false;
    int rules = RULES_TDCL, notation = -1;
    if (!TriRecordMoves(g, start.get(), &moves, &set_up, &rules, &notation, err))
        return false;
    return GameToSaveImage(3, rules, notation, start.get(), set_up, moves, g.moves, g.result, image, err);
}
