// Restoring damaged save files: a million and more inputs made from real
// save files of every layout - values changed in the fields that matter,
// bytes changed anywhere, files cut short or grown - go through the same
// restore as a file on disk. Nothing may crash, and every refusal must leave
// the game exactly as it was. Run it under AddressSanitizer too
// (-DVORNAK_ASAN=ON).
#include "RecordTestUtil.h"
#include "hash/hash.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using rt::NewGame;
using rt::NewGameFrom;
using rt::PlayAll;

struct Range {
    size_t at, length;
};

struct Seed {
    std::vector<uint8_t> bytes;  // the file, with room to grow past its end
    size_t size;
    std::vector<Range> hot;  // the fields the restore checks or uses
};

// Where a layout keeps its position records, its settings and its record.
struct Layout {
    size_t position, pos_0, tail_shift;  // tail_shift: the previous layout's later position fields
    size_t inited, dmode, settings, settings_length, record;
};

const Layout kCurrent = {0, 2300, 0, 4600, 4604, 4680, 48, 4728};
const Layout kPrevious = {0, 2312, 20, 4624, 4632, 4708, 48, 4756};
const Layout kOldest = {0, 2300, 0, 4600, 4616, 4692, 76, 4836};

std::vector<Range> HotFields(const Layout& l, int plies)
{
    std::vector<Range> hot;
    for (size_t pos : {l.position, l.pos_0}) {
        hot.push_back({pos + 4, 32});                        // pins and owners
        hot.push_back({pos + 60, 256});                      // the board
        hot.push_back({pos + 2228 + l.tail_shift, 28});      // flags .. winner
    }
    hot.push_back({l.inited, 4});
    hot.push_back({l.dmode, 8});
    hot.push_back({l.settings, l.settings_length});
    hot.push_back({l.record, (size_t)(plies + 3) * 20});
    return hot;
}

Seed MakeSeed(const std::vector<uint8_t>& file, const Layout& l, int plies)
{
    Seed s;
    s.size = file.size();
    s.bytes = file;
    s.bytes.resize(OLD_SAVE_SIZE + 64, 0);
    s.hot = HotFields(l, plies);
    return s;
}

void AddSeeds(std::vector<Seed>* seeds)
{
    std::vector<uint8_t> cur = rt::SaveImage();
    int plies = state.position.move_num;
    seeds->push_back(MakeSeed(cur, kCurrent, plies));
    seeds->push_back(MakeSeed(rt::PreviousLayout(cur, 0), kPrevious, plies));
    seeds->push_back(MakeSeed(rt::OldestLayout(cur, NOTATION_STANDARD), kOldest, plies));
}

const uint32_t kValues[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 31, 32, 35, 36, 39, 56, 59, 63, 64, 65, 66,
                            100, 106, 116, 122, 255, 999, 1000, 1001, 0xFFFFFFFF, 0xFFFFFFFA, 0xFFFFFFF9,
                            0x7FFFFFFF, 0x80000000, 0x7FC00000, 0x7F800000, 0xFF800000};
const char kSymbols[] = "-xeESLTQRBNPG\0\x7f";

// Changes the input in place; answers the bytes to put back afterwards.
size_t Mutate(std::mt19937_64& rng, Seed& s, std::vector<std::pair<size_t, uint8_t>>* undo)
{
    auto set = [&](size_t at, uint8_t v) {
        if (at >= s.bytes.size())
            return;
        undo->push_back({at, s.bytes[at]});
        s.bytes[at] = v;
    };
    unsigned kind = rng() % 100;
    if (kind < 20) {
        // Cut short, grown, or read as another layout.
        static const size_t sizes[] = {SAVE_SIZE, SAVE297_SIZE, OLD_SAVE_SIZE};
        switch (rng() % 4) {
        case 0: return rng() % (s.size + 1);
        case 1: return s.size + 1 + rng() % 64;
        case 2: return sizes[rng() % 3];
        default: return sizes[rng() % 3] + (rng() % 9) - 4;
        }
    }
    if (kind < 97) {
        int changes = 1 + rng() % 4;
        for (int c = 0; c < changes; c++) {
            const Range& r = s.hot[rng() % s.hot.size()];
            size_t at = r.at + (rng() % r.length);
            switch (rng() % 4) {
            case 0: set(at, (uint8_t)rng()); break;
            case 1: {
                uint32_t v = rng() % 3 ? kValues[rng() % (sizeof kValues / sizeof kValues[0])] : (uint32_t)rng();
                at &= ~(size_t)3;
                for (int i = 0; i < 4; i++)
                    set(at + i, (uint8_t)(v >> (8 * i)));
                break;
            }
            case 2: set(at, (uint8_t)(s.bytes[at] ^ (1u << (rng() % 8)))); break;
            default: set(at, (uint8_t)kSymbols[rng() % (sizeof kSymbols - 1)]); break;
            }
        }
        return s.size;
    }
    int changes = 1 + rng() % 16;
    for (int c = 0; c < changes; c++)
        set(rng() % s.size, (uint8_t)rng());
    return s.size;
}

// Console output of the restore's inner code is not wanted here.
class QuietStdout {
public:
    QuietStdout()
    {
        fflush(stdout);
        saved_ = dup(1);
        FILE* null = fopen("/dev/null", "w");
        if (null) {
            dup2(fileno(null), 1);
            fclose(null);
        }
    }
    ~QuietStdout()
    {
        fflush(stdout);
        if (saved_ >= 0) {
            dup2(saved_, 1);
            close(saved_);
        }
    }

private:
    int saved_;
};

TEST(SlowSaveFileFuzz, DamagedFilesNeverCrashAndRefusalsChangeNothing)
{
    long inputs = 1000000;
    if (const char* n = getenv("VORNAK_FUZZ_INPUTS"))
        inputs = atol(n);

    // Real save files: both games, edited starts, every kind of move.
    std::vector<Seed> seeds;
    NewGame(2, NOTATION_ALGEBRAIC);
    PlayAll({"e2e4", "d7d5", "e4d5", "d8d5", "b1c3", "d5e5", "f1e2", "e5c3", "d2c3", "e7e5", "g1f3", "b8c6",
             "e1g1"});
    AddSeeds(&seeds);
    NewGameFrom("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", NOTATION_VESKAR);
    PlayAll({"e5d6", "e8f7", "d6d7", "f7e7", "d7d8n"});
    AddSeeds(&seeds);
    NewGame(3, NOTATION_STANDARD);
    PlayAll({"E1B3", "C8D8(O-O)", "H2H4", "E7A6", "B3H2", "B7E6", "C1D1(O-O)", "G7G5", "H4G5", "E8G7"});
    AddSeeds(&seeds);
    NewGameFrom("3d .P....../......../K......./......../......../......../......k./........ w - - 0 1 "
                "QL5,QL3,KL1,KL6 wbwb",
                NOTATION_ALGEBRAIC);
    PlayAll({"KLW:KL1-KL3", "G7G8", "QLW:QL5-QL6N", "G8H8"});
    AddSeeds(&seeds);
    ASSERT_FALSE(HasFailure());

    // The table is emptied by every accepted restore; a small one keeps the
    // loop fast.
    uint32_t table_size = hash_c.hash_table_size;
    hash_c.hash_table_size = 1024;

    std::mt19937_64 rng(20240605);
    std::unique_ptr<STATE_T> before = rt::StateSnapshot();
    std::unique_ptr<char[]> list_before(new char[sizeof game_list_strings]);
    memcpy(list_before.get(), game_list_strings, sizeof game_list_strings);
    CAP_T cap_before = cap_t;
    long accepted = 0, refused = 0, fixed_points = 0, failures = 0;
    std::vector<std::pair<size_t, uint8_t>> undo;
    std::string why, first_failure;
    auto start = std::chrono::steady_clock::now();
    {
        QuietStdout quiet;
        for (long i = 0; i < inputs && failures < 5; i++) {
            Seed& s = seeds[rng() % seeds.size()];
            undo.clear();
            size_t n = Mutate(rng, s, &undo);
            SAVE_LAYOUT_E layout;
            bool ok = RestoreFromBuffer(s.bytes.data(), n, &layout, &why);
            if (!ok) {
                refused++;
                bool same = memcmp(before.get(), &state, sizeof state) == 0 &&
                            memcmp(list_before.get(), game_list_strings, sizeof game_list_strings) == 0 &&
                            memcmp(&cap_before, &cap_t, sizeof cap_t) == 0;
                if (!same && failures++ == 0)
                    first_failure = "input " + std::to_string(i) + " was refused (" + why + ") but changed the game";
            } else {
                accepted++;
                POS_T* b = &state.position;
                bool sane = (state.dmode == 2 || state.dmode == 3) && b->move_num >= 0 &&
                            b->move_num <= MAX_GAME_PLIES && b->pieces[W_KING_SLOT].p == W_KING &&
                            b->pieces[B_KING_SLOT].p == B_KING && std::isfinite(state.scale);
                if (sane && accepted % 64 == 0) {
                    // Whatever is accepted saves and restores to itself.
                    std::vector<uint8_t> again = rt::SaveImage();
                    sane = RestoreFromBuffer(again.data(), again.size(), &layout, &why) && rt::SaveImage() == again;
                    fixed_points++;
                }
                if (!sane && failures++ == 0)
                    first_failure = "input " + std::to_string(i) + " was accepted into an unsound game";
                *before = state;
                memcpy(list_before.get(), game_list_strings, sizeof game_list_strings);
                cap_before = cap_t;
            }
            for (auto it = undo.rbegin(); it != undo.rend(); ++it)
                s.bytes[it->first] = it->second;
        }
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    hash_c.hash_table_size = table_size;

    EXPECT_EQ(failures, 0) << first_failure;
    EXPECT_EQ(accepted + refused, inputs);
    EXPECT_GT(accepted, inputs / 20);
    EXPECT_GT(refused, inputs / 20);
    printf("\nsave-file fuzz: %ld inputs, %ld accepted (%ld re-saved and restored), %ld refused, in %.1f s\n",
           accepted + refused, accepted, fixed_points, refused, seconds);
}

}  // namespace
