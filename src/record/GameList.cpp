// The game list: the text of every ply played, as long as the game record.
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record_internal.h"

#include <cstdio>
#include <cstring>
#include <memory>

char game_list_strings[MAX_GAME_PLIES + 1][16];

void GameListInit() { game_list_strings[0][0] = 0; }

char* GameListGet(int ply_num)
{
    static char none[1];
    if (ply_num < 0 || ply_num > MAX_GAME_PLIES)
        return none;
    return game_list_strings[ply_num];
}

char* GameListPut(POS_T* b, MOVE_T* move_t, int ply_num)
{
    const char* text = ShortDisambiguateMovestr(move_t);
    if (!text || ply_num < 1 || ply_num > MAX_GAME_PLIES) {
        Panic(false, "GameListPut error");
        return nullptr;
    }
    char* entry = game_list_strings[ply_num];
    snprintf(entry, sizeof game_list_strings[0], "%s", text);
    // A check that leaves no reply is mate.
    size_t len = strlen(entry);
    if (len && entry[len - 1] == '+' && !HasLegalMove(b))
        entry[len - 1] = '#';
    memcpy(game_list_strings[0], entry, sizeof game_list_strings[0]);
    return entry;
}

int GameStartPly() { return state.oeb.inited ? state.oeb.pos_0.move_num : 0; }

bool game_changed_since_save = false;

bool GameHasUnsavedMoves()
{
    return game_changed_since_save && state.position.move_num > GameStartPly();
}

bool HasLegalMove(POS_T* b)
{
    // Trying moves writes keys into the line's history; keep the game's.
    std::unique_ptr<uint32_t[]> history(new uint32_t[MAX_GAME_PLIES]());
    uint32_t* line = LineHashList();
    SetLineHashList(history.get());
    std::unique_ptr<POS_T> probe(new POS_T(*b)), child(new POS_T);
    MOVE_T moves[MAX_MOVES];
    int n = (probe->flags & FLAG_IN_CHECK) ? GenerateCheckAvoidance(probe.get(), moves)
                                           : GenerateMoves(probe.get(), moves);
    bool found = false;
    for (int i = 0; i < n && !found; i++) {
        MOVE_T m = moves[i];
        found = DoMove(child.get(), probe.get(), &m) != 0;
    }
    SetLineHashList(line);
    return found;
}

bool BuildStartPosition(POS_T* b, const STATE_T* s)
{
    if (s->oeb.inited) {
        *b = s->oeb.pos_0;
    } else {
        memset(b, 0, sizeof *b);
        SetupStartPosition(b, s->dmode);
    }
    if (!CreatePBoard(b, s->dmode))
        return false;
    UpdateMaps(b);
    return true;
}

int CapturedBy(const POS_T* before, const POS_T* after)
{
    uint32_t enemy = IsWhitesMove(before) ? BLACK_SLOTS : WHITE_SLOTS;
    uint32_t gone = before->material_mask & ~after->material_mask & enemy;
    return gone ? before->pieces[FFOne(gone)].p : 0;
}
