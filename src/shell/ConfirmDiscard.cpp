// Asking before a game with moves not saved is given up, by quitting or by
// starting another: one key (Escape closes menus too) must not lose it.
#include "shell/shell.h"

#include <SDL.h>

#include <cstdio>

bool ConfirmDiscard(DISCARD_E why)
{
    if (!GameHasUnsavedMoves())
        return true;
    const bool quitting = why == DISCARD_QUIT;
    // Return takes the action asked for, Escape (or closing the box) keeps
    // the game: a second stray Escape loses nothing either.
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, quitting ? "Quit" : "New game"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Cancel"},
    };
    char message[128];
    snprintf(message, sizeof message, "The game has moves that are not saved.\n%s",
             quitting ? "Quit and lose them?" : "Start a new game and lose them?");
    SDL_MessageBoxData box = {};
    box.flags = SDL_MESSAGEBOX_WARNING;
    box.window = nullptr;
    box.title = UNSAVED_BOX_TITLE;
    box.message = message;
    box.numbuttons = SDL_arraysize(buttons);
    box.buttons = buttons;
    int id = -1;
    if (SDL_ShowMessageBox(&box, &id) < 0) {
        // Without a box the player cannot be asked; refusing would leave no
        // way to quit at all.
        printf("\nunsaved moves: the question could not be shown (%s)", SDL_GetError());
        return true;
    }
    if (id == 1)
        return true;
    printf("\n%s cancelled: the game has moves that are not saved", quitting ? "Quit" : "New game");
    RequestRedisplay();
    return false;
}
