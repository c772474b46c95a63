// A hint for the human: a short search of the position suggests a move,
// which is marked on the board and named, but not played.
#include "shell/shell.h"
#include "shell/timers.h"

#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "search/search.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

MOVE_T hint;
int hint_ply = -1;        // the ply the hint was found for; -1: none
uint32_t hint_key = 0;    // and the position's key then

const int HINT_DEPTH = 5;         // plies
const unsigned long HINT_SECONDS = 1;

// Why no hint can be given now, or null.
const char* NoHintWhy(POS_T* b)
{
    if (b->winner)
        return "the game is over";
    if (replay != -1)
        return "the game is being reviewed";
    if (state.demo_mode || state.vornak == VORNAK_BOTH || NextToPlay(b) == state.vornak)
        return "it is the computer's move";
    if (!PositionPlayable(b))
        return "the board cannot be played";
    std::vector<MOVE_T> legal;
    if (LegalChoices(b, &legal) == 0)
        return "there is no legal move";
    return nullptr;
}

}  // namespace

bool HintShown(MOVE_T* m)
{
    POS_T* b = &state.position;
    if (hint_ply != b->move_num || hint_key != b->hash1 || replay != -1)
        return false;
    *m = hint;
    return true;
}

void ShowHint()
{
    POS_T* b = &state.position;
    hint_ply = -1;
    char text[160];
    if (const char* why = NoHintWhy(b)) {
        snprintf(text, sizeof text, "no hint: %s", why);
        printf("\n%s", text);
        ShowMessage(text);
        return;
    }
    MOVE_T move;
    ZeroMove(&move);
    {
        // The thinking thread shares the transposition table: it waits.
        WORKER_PAUSE_T pause;
        auto copy = std::make_unique<POS_T>(*b);
        PrepareRoot(copy.get());
        copy->moves = nullptr;
        auto history = std::make_unique<uint32_t[]>(MAX_GAME_PLIES);
        memcpy(history.get(), state.hash_list, sizeof state.hash_list);
        SetLineHashList(history.get());
        // The search plays for the side to move (PrepareRoot), and only its
        // limits end it: the game's stop request is the thinking thread's.
        move_timer.timer_limit = HINT_SECONDS;
        move_timer.TimerStart();
        Search(copy.get(), &move, HINT_DEPTH);
        move_timer.timer_state = TIMER_IDLE;
        SetLineHashList(nullptr);
    }
    // Only a move the player may make is offered.
    std::vector<MOVE_T> legal;
    LegalChoices(b, &legal);
    MOVE_T* listed = IsZeroMove(&move) ? nullptr : ListedMove(legal.data(), int(legal.size()), &move);
    if (!listed) {
        snprintf(text, sizeof text, "no hint: the search found no move");
        printf("\n%s", text);
        ShowMessage(text);
        return;
    }
    hint = *listed;
    hint_ply = b->move_num;
    hint_key = b->hash1;
    char name[32];
    const char* shown = ShortMovestr(b, &hint, name);
    snprintf(text, sizeof text, "hint: %s", shown ? shown : CoordinateMove(&hint).c_str());
    printf("\n%s", text);
    ShowMessage(text);
}
