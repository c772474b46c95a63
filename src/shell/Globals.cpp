// The shell's globals. Within this file the piece models are constructed
// before the clocks.
#include "shell/sdl_object.h"
#include "shell/shell.h"
#include "shell/timers.h"

int mainWindow;
SET_E menu_mesh_pieces = SET_CLASSIC;
int editing_option;
int AxesOnOff;
int CapturedOnOff;
char info_string[64];
char banner_string[64] = "BANNER_STRING";
char move_string[64] = VORNAK_TITLE;
std::atomic<bool> redisplay_requested{false};

KING_T pKing;
QUEEN_T pQueen;
ROOK_T pRook;
BISHOP_T pBishop;
KNIGHT_T pKnight;
PAWN_T pPawn;

TIMERS_C timers;

SDL* pSDL;
