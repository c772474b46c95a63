// The application shell: the window's callbacks, the thinking thread and the
// globals that the shell and the renderer share. Everything here runs on the
// main (GLUT) thread unless its comment says otherwise.
#pragma once

#include "board/board.h"
#include "record/record.h"
#include "render/piece.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

// The name and version, as shown in the title, the banner and the move line.
#define VORNAK_NAME "Vornak"
#define VORNAK_MAJOR "2"
#define VORNAK_MINOR "98f"
#define VORNAK_TITLE VORNAK_NAME " " VORNAK_MAJOR "." VORNAK_MINOR

extern int mainWindow;
extern SET_E menu_mesh_pieces;
extern int editing_option;  // pending board edit (an EDIT_ value), 0 = none
extern int AxesOnOff;
extern int CapturedOnOff;
extern int MoveListOnOff;  // 1 = the move list is drawn
extern int HelpOnOff;      // 1 = the help is drawn over the window
extern int CoordinatesOnOff;  // 1 = file, rank, level and pin names beside the board
// N and View > Coordinates: shows or hides them, and says which.
void ToggleCoordinates();
void PrintKeyHelp();       // the key list on the console
extern char info_string[64];  // one-frame message under the move line
// A message at the window's foot (why a move was refused, ...): shown for
// a few seconds, then it fades.
void ShowMessage(const char* text);
// The message and its brightness now (1 new, 0 gone); null when none.
// *fresh tells the frame that draws a message first.
const char* MessageNow(float* brightness, bool* fresh = nullptr);
extern char banner_string[64];
extern char move_string[64];

// Set from any thread; the idle callback turns it into a redisplay on the main
// thread, because GLUT may only be called from there.
extern std::atomic<bool> redisplay_requested;
inline void RequestRedisplay() { redisplay_requested.store(true); }

// Where a piece mesh is read from: pieces/NAME under the working directory
// when that folder exists (as it always was); otherwise the installed meshes,
// beside the program or in the data directory it was built for.
std::string MeshPath(const char* name);

// What would give up the game in progress.
enum DISCARD_E { DISCARD_QUIT, DISCARD_NEW_GAME };
#define UNSAVED_BOX_TITLE "Unsaved moves"
// True when the game may be given up: it has no moves that are not saved,
// or the player said so in a message box.
bool ConfirmDiscard(DISCARD_E why);

// The settings that keys and menus change. Each change is named at the
// window's foot: what the setting became.
enum SETTING_E {
    SETTING_DIFFICULTY, SETTING_TIME_LIMIT, SETTING_RULES, SETTING_NOTATION, SETTING_COMPUTER,
    SETTING_SPREAD, SETTING_PIECES, SETTING_PROJECTION, SETTING_OPACITY, SETTING_AXES, SETTING_CAPTURED,
    SETTING_MOVE_LIST, SETTING_COORDINATES, SETTING_CLOCK, SETTING_EVALUATION, SETTING_COUNT
};
// A value of a setting in a few words ("time limit: 30 s a move"). The value
// is what the setting's variable holds; the computer's side is VORNAK_BOTH
// in autoplay, a toggle 1 when on, the clock a TIMERMODE_E.
std::string DescribeSetting(SETTING_E which, int value);
// Names the setting's present value at the window's foot.
void ShowSetting(SETTING_E which);

// Restore (R, the Game menu), a game named at start-up and a position set
// up (P, the Game menu), as the record does them, with a message in the
// window naming the file or line refused and why.
void RestoreGameInWindow(int oldway);
void OpenGameInWindow(const char* name);
void SetUpPositionInWindow();

// The hint (I key, Game menu): a short search suggests the human's move,
// marked and named but not played. HintShown answers it while the position
// it was found for is on the board.
void ShowHint();
bool HintShown(MOVE_T* m);

void VornakIdleFunc();
// With VORNAK_BENCH_FRAMES set: measure frames and a pick, then quit.
void StartBenchIfAsked();
void Quit();
// Creates the window at the position and size set with glutInitWindow*:
// title, OpenGL state and callbacks.
void OpenMainWindow(const char* title);
// Window-close callback: quits, unless the player keeps a game with moves
// not saved; GLUT destroys the window either way, so a new one replaces it.
void CloseMain();
extern char window_title[260];  // the title last given to the window
void DoModeMenu(int value);
// A new game chosen by the player (F2, F3, the Mode menu): asks first when
// the game in progress has moves not saved.
void ChooseModeMenu(int value);
void Keyboard(unsigned char c, int x, int y);
void KeyboardSpecial(int c, int x, int y);
void MouseButton(int button, int bstate, int x, int y);
// What a left press does with the pick code under the cursor (Shift held:
// a selected piece stays selected).
void MouseLeftPress(SQ_T picked, bool shift);
// 1 while a left press is handled: a move it makes is the human's.
int* MouseSelectedMove();
// Applies the pending board edit to sq: 1 when the board was changed.
int GotEditingSquare(SQ_T sq);

// Starts (non-zero) or stops (0) the thinking thread. Stopping waits until
// the worker has left, so a search it was running is abandoned, never played.
void Clutch(int start);
// Called when the computer is given a side (B, W, F9, the Vornak menu):
// ends a review of the game and makes sure the thinking thread runs.
void ComputerTakesOver();

// Holds the thinking thread while the main thread changes the position in
// place (editing, the K key, a board reset), so that no search runs on a
// half-changed board and no move found for the old board lands on the new
// one. While the game is being reviewed the thread stays stopped.
struct WORKER_PAUSE_T {
    bool resume;
    WORKER_PAUSE_T() : resume(replay == -1) { Clutch(0); }
    ~WORKER_PAUSE_T()
    {
        if (resume)
            Clutch(1);
    }
    WORKER_PAUSE_T(const WORKER_PAUSE_T&) = delete;
    WORKER_PAUSE_T& operator=(const WORKER_PAUSE_T&) = delete;
};

// The live game (position, record, settings) is shared by the main thread's
// callbacks and the thinking thread. Every callback runs holding game_lock;
// the thread takes it only to read the position before a search and to play
// its move, never while it searches, so the window never waits for a search.
extern std::recursive_mutex game_lock;

// A callback that runs holding game_lock: register Locked<Keyboard>::Call
// instead of Keyboard.
template <auto F>
struct Locked;
template <typename... A, void (*F)(A...)>
struct Locked<F> {
    static void Call(A... a)
    {
        std::lock_guard<std::recursive_mutex> hold(game_lock);
        F(a...);
    }
};

// Fills shell_hooks: what the game record and the board ask of the window.
void InstallShellHooks();

// The desktop's file chooser: the common dialogs on Windows, zenity's file
// selection elsewhere (answers as SHELL_HOOKS_T::choose_file).
int ChooseFileInDialog(const FILE_CHOICE_T* what, char* name, size_t size);
// Runs zenity with args (args[0] is "zenity") and collects its output: 1
// answered, 0 cancelled, -1 without zenity or a display.
int RunZenity(const std::vector<std::string>& args, std::string* out);
// A line of text asked with zenity's entry dialog, text holding the
// suggestion on entry (answers as SHELL_HOOKS_T::ask_text).
int AskTextInDialog(const char* title, const char* prompt, char* text, size_t size);
