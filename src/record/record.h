// Game record: pin and square names, and positions written as text.
#pragma once

#include "board/board.h"

#include <string>

const char* GetShortABStr(SQ_T where);
char* GetAttackBoardString(POS_T* b);
const char* PinName(int pin);            // "QL1".."KL6", null for a non-pin
int PinFromName(const char* name);       // inverse of PinName, -1 if unknown
const char* IndexSquareName(SQ_T sq);    // "A1".."H8", null above 63

// Text positions. A plain-game FEN (6 fields) or a tri-dimensional line
// starting with "3d". On success the position is fully built (piece list,
// maps, keys) and *dmode tells which game it belongs to; on failure nothing
// is written and err says what is wrong.
bool ParsePosition(const std::string& text, POS_T* out, int* dmode, std::string* err);
std::string FormatPosition(POS_T* b, int dmode);

// ---------------------------------------------------------------- notation
// Square and move names in the current mode (state.dmode) and notation
// (state.notation). Square names come in rotating buffers: the last four
// results of each function stay valid together.
char piecechar(int p);                   // "kqrbnp PNBRQK" by code + 6, '?' outside
char* PosStr(POS_T* b, SQ_T s);
char* posstr3D(POS_T* b, SQ_T s);        // standard notation, null outside mode 3
char* posstr3DRom(POS_T* b, SQ_T s);     // tournament and algebraic notation
void PosStrAB(char* p, SQ_T s, int offset, int where_is, int right, int rom);
const char* GetABString(POS_T* b, SQ_T sq);          // pin name, null for a non-pin
const char* GetABStringBySquare(POS_T* b, SQ_T sq);  // name of the pin under a board cell
// The text of one move of b into ret (at least 32 characters); null for an
// invalid move.
char* ShortMovestr(POS_T* b, MOVE_T* move_t, char* ret);

// The disambiguated texts of the moves of one position. GetMoveCount hands
// every list it makes to NoteMoveList; the texts are worked out on the first
// question, so the search's move lists cost a copy only. Each thread keeps
// its own table.
void NoteMoveList(POS_T* b, const MOVE_T* moves, int n);
char* ShortDisambiguateMovestr(MOVE_T* move_t);

// ---------------------------------------------------------------- the game
// Entry k (k >= 1) is the text of ply k; entry 0 repeats the latest.
extern char game_list_strings[MAX_GAME_PLIES + 1][16];
extern int replay;  // plies shown while reviewing; -1 when not reviewing

void GameListInit();
char* GameListGet(int ply_num);  // "" outside the list
char* GameListPut(POS_T* b, MOVE_T* move_t, int ply_num);
int GameStartPly();              // the move number the game started from
int PlayerMoved(POS_T* b, MOVE_T* move_t);
// Set when a move is played or taken back, cleared when the game is saved,
// restored or started afresh: the window asks before it gives up such a game.
extern bool game_changed_since_save;
// Whether ending or replacing the game now would lose moves never saved.
bool GameHasUnsavedMoves();
void UndoMoves(int num_to_undo);
void ReplayMoves(int n);
void ReplayExit();
int FindWinner(POS_T* b, MOVE_T* move_t);
void VornakLoses(const char* whylost);
// How often the position of b has stood in the game's key history, this
// time included (only since the last capture or pawn move).
int RepetitionCount(POS_T* b);
// 1 when White has won, -1 when Black has, 2 for a draw, 0 while the game
// goes on; why names the reason ("White mates", "Stalemate", "Draw by
// repetition", "Draw by fifty move rule"). Prints nothing.
int GameResult(POS_T* b, const char** why);

// ---------------------------------------------------------------- files
extern char gamefilename[260];  // the last file saved or restored

// Asks through the shell's chooser; without one, takes the default name and
// says so. False when the user cancelled.
bool ChooseFile(const FILE_CHOICE_T* what, char* name, size_t size);
// The save file's name: "vornak.sav" the old way, else asked (false: cancelled).
bool ChooseSaveFileName(int oldway, bool save, char* name, size_t size);
bool SaveGame(int oldway);
bool RestoreGame(int oldway);
void ListGame(bool screen_only);
