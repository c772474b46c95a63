// Playing one move of the game, for the human or the computer: checked,
// recorded, made, listed and logged.
#include "movegen/movegen.h"
#include "record/record_internal.h"

#include <cstdio>

namespace {

void EndGameNow(POS_T* b, int winner)
{
    if (!b->winner)
        b->winner = winner;
    state.demo_mode = 0;
    state.vornak = 0;
    if (shell_hooks.stop_clocks)
        shell_hooks.stop_clocks();
}

}  // namespace

int PlayerMoved(POS_T* b, MOVE_T* move_t)
{
    if (eval_show)
        ConsolePrint("\nPlayerMoved");
    if (!move_t) {
        Panic(false, "NULL move @ PlayerMoved");
        return 0;
    }
    // An edited board may lack a king or disagree with its piece list; the
    // game waits, for either player, until editing repairs it.
    if (const char* why = PositionUnplayableWhy(b)) {
        ConsolePrint("\nNo move can be played until the board is set up again: %s", why);
        return 0;
    }
    int result = 0;
    if (b->move_num < 0 || b->move_num >= MAX_GAME_PLIES) {
        // The record has no room for another ply: the game ends drawn.
        ConsolePrint("\nThe game record is full (%d plies): no more moves, the game is drawn", MAX_GAME_PLIES);
        EndGameNow(b, 2);
    } else if (LegalMove(b, move_t, "PlayerMoved")) {
        MOVE_T m = *move_t;
        int ply = b->move_num;
        if (!MakeGameMove(b, &m)) {
            Panic(false, "PlayerMoved legal but bad do move");
        } else {
            // Recorded as made: the promotion piece chosen and the capture
            // are then replayed exactly.
            state.game_record[ply] = m;
            *move_t = m;
            game_changed_since_save = true;
            if (b->flags & FLAG_MATERIAL_DRAWN)
                ConsolePrint("\nDraw");
            if (b->move_num >= MAX_GAME_PLIES && !b->winner) {
                ConsolePrint("\nDraw - the game record is full");
                EndGameNow(b, 2);
            } else if (b->winner) {
                EndGameNow(b, b->winner);
                if (b->winner == 2)
                    ConsolePrint("\nStalemate - draw");
            }
            const char* text = GameListPut(b, &m, b->move_num);
            if (!text)
                text = "";
            if (b->move_num & 1)
                ConsolePrint("\n%d. %s", (b->move_num - 1) / 2 + 1, text);
            else
                ConsolePrint("\n%d. ... %s", (b->move_num - 2) / 2 + 1, text);
            ConsoleFlush();
            result = 1;
        }
    }
    b->flags &= ~FLAG_PROMOTED;
    return result;
}
