// Helpers of the game-record tests: games started and played the way the
// program does it (PlayerMoved on state.position), moves named by their
// coordinates, and save images built field by field at the layouts' offsets
// by the tests themselves.
#pragma once

#include "board/board.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "record/savefile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace rt {

inline const char* const kStart2d = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// A new game of the mode, as the Mode menu starts one (without a window).
// The state byte for byte, padding included, to compare with memcmp: a copy
// made by its constructor leaves the padding as the heap had it.
inline std::unique_ptr<STATE_T> StateSnapshot()
{
    std::unique_ptr<STATE_T> s(new STATE_T);
    memcpy((void*)s.get(), (const void*)&state, sizeof state);
    return s;
}

inline void NewGame(int mode, int notation = NOTATION_STANDARD)
{
    memset((void*)&state, 0, sizeof state);
    state.maxdepth = DIFF_HARD;
    state.dmode = mode;
    ASSERT_TRUE(ResetBoard(false));
    state.rules = RULES_TDCL;
    state.notation = notation;
    memset(game_list_strings, 0, sizeof game_list_strings);
    GameListInit();
    replay = -1;
    shell_hooks = SHELL_HOOKS_T{};
}

// A game that starts from a position given as text, as the board editor
// leaves it: the position is also the game's recorded start.
inline void NewGameFrom(const std::string& line, int notation = NOTATION_STANDARD)
{
    POS_T parsed;
    int mode = 0;
    std::string err;
    ASSERT_TRUE(ParsePosition(line, &parsed, &mode, &err)) << line << ": " << err;
    NewGame(mode, notation);
    state.position = parsed;
    state.oeb.pos_0 = parsed;
    state.oeb.inited = 1;
}

// The legal move of the side to move whose coordinate text (CoordinateMove:
// "e2e4", "e7e8q", "E2E3", "QLW:QL1-QL3", "C1D1(O-O)") is `text`.
inline MOVE_T Find(const std::string& text)
{
    std::vector<MOVE_T> moves;
    POS_T copy = state.position;
    LegalChoices(&copy, &moves);
    for (const MOVE_T& m : moves)
        if (CoordinateMove(&m) == text)
            return m;
    std::string all;
    for (const MOVE_T& m : moves)
        all += CoordinateMove(&m) + " ";
    ADD_FAILURE() << "no legal move " << text << " in " << FormatPosition(&state.position, state.dmode)
                  << "; the legal moves: " << all;
    MOVE_T none{};
    return none;
}

// Plays one move through the program's path; answers the text it got in the
// game list.
inline std::string Play(const std::string& text)
{
    MOVE_T m = Find(text);
    testing::internal::CaptureStdout();
    int made = PlayerMoved(&state.position, &m);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(made, 1) << text;
    return made ? GameListGet(state.position.move_num) : "";
}

inline void PlayAll(const std::vector<std::string>& moves)
{
    for (const std::string& m : moves)
        Play(m);
}

// Runs f with the console captured; answers what it printed.
template <typename F>
std::string Console(F f)
{
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}

inline std::vector<uint8_t> SaveImage()
{
    std::vector<uint8_t> image(SAVE_SIZE);
    WriteStateImage(&state, image.data());
    return image;
}

// ---------------------------------------------------------------- bytes at offsets
inline uint32_t U32(const std::vector<uint8_t>& d, size_t at)
{
    return (uint32_t)d[at] | (uint32_t)d[at + 1] << 8 | (uint32_t)d[at + 2] << 16 | (uint32_t)d[at + 3] << 24;
}

inline void Put32(std::vector<uint8_t>* d, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        (*d)[at + i] = (uint8_t)(v >> (8 * i));
}

// Copies n bytes between two images.
inline void Move(std::vector<uint8_t>* to, size_t to_at, const std::vector<uint8_t>& from, size_t from_at, size_t n)
{
    memcpy(to->data() + to_at, from.data() + from_at, n);
}

// ---------------------------------------------------------------- older layouts, by hand

// The previous layout: the position record grows by two 64-bit fields after
// null_unstoppable_pawn (offset 1656), its table entry packs the move.
inline void PreviousPosition(std::vector<uint8_t>* old, size_t to, const std::vector<uint8_t>& cur, size_t from)
{
    Move(old, to, cur, from, 1660);  // bc_active .. null_unstoppable_pawn
    for (int i = 0; i < 8; i++) {
        (*old)[to + 1664 + i] = (uint8_t)(0x11 * (i + 1));  // white_holes
        (*old)[to + 1672 + i] = (uint8_t)(0x22 * (i + 1));  // black_holes
    }
    Move(old, to + 1680, cur, from + 1660, 596);  // dont_copy .. winner
    size_t e = to + 2276, c = from + 2256;         // h_entry
    Move(old, e, cur, c, 16);                      // keys and bounds
    (*old)[e + 16] = cur[c + 16];
    (*old)[e + 17] = cur[c + 17];
    Put32(old, e + 20, (U32(cur, c + 20) & 63) | (U32(cur, c + 24) & 63) << 6 | (U32(cur, c + 28) & 15) << 12);
    (*old)[e + 24] = cur[c + 32];
    Put32(old, to + 2304, 0x00C0FFEE);  // oldb
    Move(old, to + 2308, cur, from + 2296, 4);
}

inline std::vector<uint8_t> PreviousLayout(const std::vector<uint8_t>& cur, int demo_mode)
{
    std::vector<uint8_t> old(SAVE297_SIZE, 0);
    PreviousPosition(&old, 0, cur, 0);
    PreviousPosition(&old, 2312, cur, 2300);
    Move(&old, 4624, cur, 4600, 4);    // oeb.inited
    Move(&old, 4632, cur, 4604, 8);    // dmode, selected
    Move(&old, 4640, cur, 4612, 65);   // spreadmap
    Move(&old, 4708, cur, 4680, 48);   // spread .. state_hash_table_size
    Move(&old, 4756, cur, 4728, 20000);  // game_record
    Move(&old, 24756, cur, 24728, 4000); // hash_list
    Put32(&old, 28756, demo_mode);
    return old;
}

inline std::vector<uint8_t> OldestLayout(const std::vector<uint8_t>& cur, int notation)
{
    std::vector<uint8_t> old(OLD_SAVE_SIZE, 0xA5);  // fields the conversion does not read
    Move(&old, 0, cur, 0, 4604);     // position, oeb
    Move(&old, 4616, cur, 4604, 8);  // dmode, selected
    Move(&old, 4624, cur, 4612, 65); // spreadmap
    Move(&old, 4692, cur, 4680, 16); // spread, stipple, rules, vornak
    Put32(&old, 4708, notation);
    Move(&old, 4716, cur, 4704, 16);  // scale, projection_ortho, xang, yang
    Move(&old, 4736, cur, 4720, 4);   // stop_search
    Move(&old, 4764, cur, 4724, 4);   // hash_table_size
    Move(&old, 4836, cur, 4728, 20000);
    Move(&old, 44836, cur, 24728, 4000);
    Move(&old, 48848, cur, 28728, 4);  // demo_mode
    return old;
}

// The moves of the game in progress, in coordinates, and its position.
inline std::vector<std::string> RecordedMoves()
{
    std::vector<std::string> out;
    for (int k = GameStartPly(); k < state.position.move_num; k++)
        out.push_back(CoordinateMove(&state.game_record[k]));
    return out;
}

inline std::string Board() { return FormatPosition(&state.position, state.dmode); }

// A game text that `convert` (a PGN or tri-dimensional record importer) must
// refuse with a reason containing `why`, leaving the game in progress, its
// board `before` and its recorded `moves`, as they were.
inline void ExpectRefusedImport(bool (*convert)(const PGN_GAME_T&, std::vector<uint8_t>*, std::string*),
                                const std::string& text, const char* why, const std::string& before,
                                const std::vector<std::string>& moves)
{
    std::vector<PGN_GAME_T> games;
    std::string err;
    ASSERT_TRUE(ReadPgn(text, &games, &err)) << err;
    std::vector<uint8_t> image;
    EXPECT_FALSE(convert(games[0], &image, &err)) << text;
    EXPECT_NE(err.find(why), std::string::npos) << text << ": " << err;
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(RecordedMoves(), moves);
}

}  // namespace rt
