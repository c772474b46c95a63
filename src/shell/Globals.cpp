// The shell's globals. Within this file the piece models are constructed
// before the clocks.
#include "shell/sdl_object.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include <chrono>
#include <cstdio>

int mainWindow;
SET_E menu_mesh_pieces = SET_CLASSIC;
int editing_option;
int AxesOnOff;
int CapturedOnOff;
int MoveListOnOff;
int HelpOnOff;
int CoordinatesOnOff;
char info_string[64];

namespace {
// Room for a file's whole name (255 bytes at most) and why it was refused.
char message_text[400];
bool message_drawn;  // by a frame already
std::chrono::steady_clock::time_point message_since;
// Seconds. The clock's tick redraws the window every second, which steps
// the fading; no redraws of their own, so that the status line's one-frame
// message keeps its frame.
const float MESSAGE_SHOWN = 4.0f, MESSAGE_FADE = 2.0f;
}  // namespace

void ShowMessage(const char* text)
{
    snprintf(message_text, sizeof message_text, "%s", text);
    message_drawn = false;
    message_since = std::chrono::steady_clock::now();
    RequestRedisplay();
}

const char* MessageNow(float* brightness, bool* fresh)
{
    if (!message_text[0])
        return nullptr;
    float age = std::chrono::duration<float>(std::chrono::steady_clock::now() - message_since).count();
    if (age >= MESSAGE_SHOWN + MESSAGE_FADE) {
        message_text[0] = '\0';
        return nullptr;
    }
    *brightness = age <= MESSAGE_SHOWN ? 1.0f : 1.0f - (age - MESSAGE_SHOWN) / MESSAGE_FADE;
    if (fresh) {
        *fresh = !message_drawn;
        message_drawn = true;
    }
    return message_text;
}
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
