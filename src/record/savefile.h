// Save files: the byte layouts of the game state (the current one and the
// two earlier ones), told apart by length alone, and the restore that checks
// a file in a scratch state before it replaces the game.
#pragma once

#include "record/record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

const size_t SAVE_SIZE = 28732;      // the current layout
const size_t SAVE297_SIZE = 28760;   // the previous layout (version 2.97)
const size_t OLD_SAVE_SIZE = 49412;  // the oldest layout

enum SAVE_LAYOUT_E { LAYOUT_UNKNOWN = 0, LAYOUT_CURRENT = 1, LAYOUT_PREVIOUS = 2, LAYOUT_OLDEST = 3 };

SAVE_LAYOUT_E LayoutOfSize(size_t n);
const char* LayoutName(SAVE_LAYOUT_E layout);  // "current", "previous", "oldest", "unknown"

// The previous layout's position record, in memory. Pointer fields hold the
// 32-bit values found in the file; they are never used.
struct HE297_T {
    uint32_t hash1, hash2;
    ETYPE_T low, high;
    uint8_t depth_low, depth_high;
    uint32_t packed;  // from bits 0..5, to 6..11, tag 12..15
    uint8_t move_num;
};

struct POS297_T {
    uint32_t bc_active;
    ABWHERE_E whereis_board[4];
    int whites_board[4];
    uint32_t hash1, hash2, sliding_mask, pawns7th, piece_mask, material_mask;
    int board[64];
    unsigned char pboard[64];
    PS_T pieces[32];
    int control[64];
    int cont[64];
    signed char safe_mobility[32];
    signed char mobility[32];
    int white_moves, black_moves;
    int piece_values[32];
    int stage;
    uint32_t piece_change, hung_mask, pinned_mask, attacking_mask;
    ETYPE_T w_material, b_material, board_control, expensive, evaluation;
    uint32_t flight[64];
    uint32_t wpassed_pawn_mask, bpassed_pawn_mask, null_stoppable_pawn, null_unstoppable_pawn;
    uint64_t white_holes, black_holes;
    uint32_t dont_copy;
    uint32_t topieces[64];
    uint32_t xray_topieces[64];
    uint32_t moves;
    int num_moves;
    MOVE_T last_move, best_capture;
    ETYPE_T tactics;
    uint32_t flags, flags2;
    SQ_T enpassant;
    int pro_dunsel, fifty_count, move_num, winner;
    HE297_T h_entry;
    uint32_t oldb;
    ETYPE_T eval_result;
};

// Converts a previous-layout position; fields it does not have (and its
// holes, table entry and link) leave the target as it was.
void saveposition(POS_T* outpos, POS297_T* inpos);

// Field by field, little-endian, at the layouts' offsets. Pointer fields are
// written as 0 and read as null.
void WritePosition(const POS_T* b, uint8_t* out);    // 2300 bytes
void ReadPosition(const uint8_t* in, POS_T* b);
void ReadPosition297(const uint8_t* in, POS297_T* b);  // 2312 bytes

// The current layout of a state. The key history is written up to the
// position's ply only: entries past it are scratch of move trials.
void WriteStateImage(const STATE_T* s, uint8_t* out);  // SAVE_SIZE bytes

// Decodes a file image of any layout into *s, which keeps the values of the
// fields that layout does not carry. False for an unknown length.
bool ReadStateImage(const uint8_t* data, size_t n, STATE_T* s, SAVE_LAYOUT_E* layout);

// Reads a save file, at most one byte more than the largest layout; false
// with the reason when it cannot be read.
bool ReadSaveFile(const char* path, std::vector<uint8_t>* bytes, std::string* why);

// The system calls of saving and reading a save (SaveFileIo.cpp), binary
// everywhere. A new file beside `name` with a unique suffix (path in *temp),
// -1 with errno on failure; writing it to the disk; putting it in the place
// of `name`, replacing an existing save; opening a save to read without
// waiting for a pipe's writer, -1 with errno on failure.
int CreateSaveTemp(const char* name, std::string* temp);
bool SyncSaveFile(int fd);
bool ReplaceSaveFile(const char* temp, const char* name);
int OpenSaveFileForReading(const char* path);
// The same for a regular file only; -1 with the reason otherwise.
int OpenRegularFileForReading(const char* path, std::string* why);
// Writes all n bytes, again after a signal; false on an error.
bool WriteAllBytes(int fd, const void* data, size_t n);
// Writes an image to `name` through a temporary beside it, printing
// nothing; false with the reason.
bool WriteSaveImage(const char* name, const std::vector<uint8_t>& image, std::string* why);

// Restores a file image: decoded and checked in a scratch state (mode, pins,
// pieces, kings, ply counts, every recorded move legal when replayed), and
// only then made the game, rebuilt from its start and its record. On failure
// the game is left exactly as it was and `why` says what is wrong. Prints
// nothing; the file commands report.
bool RestoreFromBuffer(const uint8_t* data, size_t n, SAVE_LAYOUT_E* layout, std::string* why);

// Game text files: PGN (".pgn") and the tri-dimensional record (".tdr"),
// any other name a save file.
enum GAME_FILE_E { GAME_FILE_SAVE, GAME_FILE_PGN, GAME_FILE_RECORD };
GAME_FILE_E GameFileKind(const char* name);
// A text file of at most 64 MB, read whole; false with the reason.
bool ReadGameText(const char* path, std::string* text, std::string* why);
// The first game of a PGN text or record as a save image, every move
// through the program's own check; the game in progress is left as it was.
bool GameTextToSaveImage(const std::string& text, std::vector<uint8_t>* image, std::string* why);
// The game in progress as PGN or as its record; false (with the reason)
// for the other game's format.
bool GameTextOfState(GAME_FILE_E kind, std::string* text, std::string* why);
// Writes text to `name` through a temporary beside it; false with the reason.
bool WriteGameText(const char* name, const std::string& text, std::string* why);

// Positions by text. A FEN or a 3d line (the rules in force) as a new game
// from that position, checked as a restored game is; false with the reason,
// the game in progress untouched. Prints nothing.
bool SetUpPositionFromText(const std::string& text, std::string* why);
