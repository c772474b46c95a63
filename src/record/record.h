// Game record: pin and square names, and positions written as text.
#pragma once

#include "board/board.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

const char* GetShortABStr(SQ_T where);
char* GetAttackBoardString(POS_T* b);
const char* PinName(int pin);            // "QL1".."KL6", null for a non-pin
int PinFromName(const char* name);       // inverse of PinName, -1 if unknown
const char* IndexSquareName(SQ_T sq);    // "A1".."H8", null above 63

// The start positions of the plain and the tri-dimensional game as text.
inline const char* const PLAIN_START_TEXT = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
inline const char* const TRI_START_TEXT =
    "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb";

// Text positions. A plain-game FEN (6 fields) or a tri-dimensional line
// starting with "3d". On success the position is fully built (piece list,
// maps, keys) and *dmode tells which game it belongs to; on failure nothing
// is written and err says what is wrong.
bool ParsePosition(const std::string& text, POS_T* out, int* dmode, std::string* err);
std::string FormatPosition(POS_T* b, int dmode);

// ---------------------------------------------------------------- SAN
// Standard algebraic notation of a plain-game move of b (with "+" or "#");
// "" for a move that is not legal there or a position of the other game.
std::string SanMove(POS_T* b, const MOVE_T* m);
// The legal move of b that text names: SAN (check sign optional, extra
// disambiguation allowed, 0-0 for O-O), long algebraic (e2e4, e2-e4,
// Ng1-f3, e7e8q) or with the promotion as e8Q or e8(Q); a promotion without
// its piece makes a queen. False with the reason otherwise.
bool ParseSanMove(POS_T* b, const std::string& text, MOVE_T* out, std::string* err);

// ---------------------------------------------------------------- PGN
// A game as PGN carries it: tags in order, moves as written (move numbers,
// comments, variations and glyphs left out), the termination marker; and
// the ply its first move is played from (0 for the standard start).
struct PGN_GAME_T {
    std::vector<std::pair<std::string, std::string>> tags;
    std::vector<std::string> moves;
    std::string result = "*";
    std::vector<std::string> notes;  // a comment after each move, when written
    int start_ply = 0;
    std::string Tag(const std::string& name) const;  // "" when absent
    void SetTag(const std::string& name, const std::string& value);
};
// Every game of a PGN text. Hostile text is refused with the line and the
// reason (a comment, tag or variation never closed, a word or tag longer
// than 255 characters, more than 4000 moves in a game, control characters
// or bytes outside ASCII, a last game without its result, more than
// max_games games); nothing is read then.
bool ReadPgn(const std::string& text, std::vector<PGN_GAME_T>* games, std::string* err, size_t max_games = 100000);
// A game's start (the FEN tag, else the standard start) and its moves,
// each resolved on the board in turn; a refused move is named by its number
// and text ("move 12... Nf3: no legal move fits").
bool PgnGameMoves(const PGN_GAME_T& g, POS_T* start, std::vector<MOVE_T>* moves, bool* set_up, std::string* err);
// The moves of a game from start as SAN, the roster's missing tags as "?",
// SetUp and FEN when start is not the standard start.
bool PgnGameFromMoves(POS_T* start, const std::vector<MOVE_T>& moves, PGN_GAME_T* g, std::string* err);
// Export form: the seven-tag roster, the other tags, the moves within 80
// columns, the result.
std::string FormatPgn(const PGN_GAME_T& g);
// The game in progress (state) as PGN; false for the tri-dimensional game.
bool PgnGameOfState(PGN_GAME_T* g, std::string* err);
// A save file's image (the current layout) of a PGN game: played from its
// start through the program's own move check, with the result of its
// termination marker, and taken back by the restore; the game in progress
// is left as it was.
bool PgnGameToSaveImage(const PGN_GAME_T& g, std::vector<uint8_t>* image, std::string* err);

// ---------------------------------------------------------------- the tri-dimensional record
// The tri-dimensional game's text record (docs/tri-record.md): PGN's syntax
// with the tags Variant "Tri-dimensional", Rules "TDCL" or "Tournament",
// Notation (the style of the comments: Standard, Tournament or Algebraic),
// SetUp and Position (a 3d line) for a set-up start, and the moves in
// coordinates (E2E4, E7E8Q, QLW:QL1-QL3, QLW:QL5-QL6N, castling C1D1/O-O),
// each followed by its text in the game's notation as a comment.
std::string TriMoveText(const MOVE_T* m);
// The legal move of b the text names (any case; O-O or O-O-O alone when
// only one castling of the kind is legal); false when none.
bool ParseTriMoveText(POS_T* b, const std::string& text, MOVE_T* out);
// The tri-dimensional game in progress as a record; false for the plain game.
bool TriRecordOfState(PGN_GAME_T* g, std::string* err);
// A record's rules, notation (-1 when it names none), start and moves, each
// resolved under those rules.
bool TriRecordMoves(const PGN_GAME_T& g, POS_T* start, std::vector<MOVE_T>* moves, bool* set_up, int* rules,
                    int* notation, std::string* err);
// A save image of a record, as PgnGameToSaveImage makes one of a PGN game.
bool TriRecordToSaveImage(const PGN_GAME_T& g, std::vector<uint8_t>* image, std::string* err);

// ---------------------------------------------------------------- EPD
// One line of a test suite: the position as a six-field FEN (the counters
// from hmvc and fmvn, else 0 and 1), its id, and the moves of bm and am as
// written. False with the reason for a line that cannot be read.
struct EPD_LINE_T {
    std::string fen, id, halfmove, fullmove;
    std::vector<std::string> best, avoid;
};
bool ParseEpdLine(const std::string& line, EPD_LINE_T* out, std::string* err);

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
// The same name, or null without a word when the table does not hold the
// move (a player's try that is no move at all).
char* ListedMoveName(MOVE_T* move_t);

// ---------------------------------------------------------------- the game
// Entry k (k >= 1) is the text of ply k; entry 0 repeats the latest.
extern char game_list_strings[MAX_GAME_PLIES + 1][16];
extern int replay;  // plies shown while reviewing; -1 when not reviewing

void GameListInit();
// A new game of the current mode and rules: position, record, table and the
// interface's selection; the view too when asked.
int ResetBoard(bool reset_view);
// The rules of the game in progress from its next move on.
void SetGameRules(int rules);
void ResetSpreadmap();  // every square back to plain
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
// The game's wish to end a running search: a stop asked for, or the
// computer switched off (the search's stop request for the game's searches).
bool GameStopRequested();
// A move in coordinates, in the notation of the game being played.
std::string CoordinateMove(const MOVE_T* m);
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
// Replaces the game in progress by the one in the file; a file refused for
// any reason leaves the game as it was and says why on the console, and in
// *why in a few words for the window ("not a Vornak save file (wrong size:
// 5 bytes)").
bool RestoreGameFromFile(const char* name, std::string* why = nullptr);
void ListGame(bool screen_only);
// Asks for a FEN or 3d line (the shell's entry dialog, else the first line
// of position.txt, saying so) and sets it up as a new game, or says why not:
// on the console and in *why, which stays empty when the player cancelled.
bool SetUpPositionAsked(std::string* why = nullptr);
// The position on the board as a FEN or 3d line: on the console and in
// position.txt in the working directory; false when the file failed.
bool PrintPosition();
