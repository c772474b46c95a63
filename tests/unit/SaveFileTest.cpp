// Save files: the current layout at its offsets, round trips of real games,
// files of the two older layouts built here field by field, refusals that
// leave the game alone, and the file commands around them.
#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using rt::Console;
using rt::Move;
using rt::NewGame;
using rt::NewGameFrom;
using rt::OldestLayout;
using rt::PreviousLayout;
using rt::PreviousPosition;
using rt::PlayAll;
using rt::Put32;
using rt::SaveImage;
using rt::U32;
typedef std::vector<uint8_t> Bytes;

const std::vector<std::string> kPlainGame = {"e2e4", "d7d5", "e4d5", "d8d5", "b1c3", "d5e5", "f1e2",
                                             "e5c3", "d2c3", "e7e5", "g1f3", "b8c6", "e1g1"};
// Castling on both sides, captures, a pawn taking a knight, attack-board moves.
const std::vector<std::string> kTriGame = {
    "E1B3", "C8D8(O-O)", "H2H4", "E7A6", "B3H2", "B7E6", "C1D1(O-O)", "G7G5", "H4G5", "E8G7",
    "G2G3", "F7F5", "F2F3", "B8B7", "H2G4", "F5G4", "E2A4", "H7D6", "G5D6", "G4F3",
    "G1A3", "E6E5", "A3C5", "B7G6", "D6G7", "G6G7", "C5A7", "C7H7", "G3C4", "H8F7",
    "A7E7", "QLB:QL6-QL4", "E7D4", "QLB:QL4-QL5", "D4G3"};

// A game with settings away from their defaults.
void PlayGame(int mode)
{
    NewGame(mode, NOTATION_ALGEBRAIC);
    PlayAll(mode == 2 ? kPlainGame : kTriGame);
    state.maxdepth = DIFF_MED;
    state.scale = 1.25f;
    state.projection_ortho = 1;
    state.xang = 12.5f;
    state.yang = 300.0f;
    state.stipple = 1;
    state.spread = SPREAD_TEAM;
    state.vornak = VORNAK_WHITE;
}

std::vector<std::string> GameList()
{
    std::vector<std::string> texts;
    for (int k = 1; k <= state.position.move_num; k++)
        texts.push_back(GameListGet(k));
    return texts;
}

struct Snapshot {
    std::string board;
    std::vector<std::string> list;
    int dmode, notation, maxdepth, rules, projection, spread, stipple, vornak;
    float scale, xang, yang;
    CAP_T captured;
};

Snapshot Take()
{
    return {FormatPosition(&state.position, state.dmode),
            GameList(),
            state.dmode,
            state.notation,
            state.maxdepth,
            state.rules,
            state.projection_ortho,
            state.spread,
            state.stipple,
            state.vornak,
            state.scale,
            state.xang,
            state.yang,
            cap_t};
}

void ExpectSameGame(const Snapshot& a, const Snapshot& b)
{
    EXPECT_EQ(a.board, b.board);
    EXPECT_EQ(a.list, b.list);
    EXPECT_EQ(a.dmode, b.dmode);
    EXPECT_EQ(a.notation, b.notation);
    EXPECT_EQ(a.maxdepth, b.maxdepth);
    EXPECT_EQ(a.rules, b.rules);
    EXPECT_EQ(a.projection, b.projection);
    EXPECT_EQ(a.spread, b.spread);
    EXPECT_EQ(a.stipple, b.stipple);
    EXPECT_EQ(a.vornak, b.vornak);
    EXPECT_EQ(a.scale, b.scale);
    EXPECT_EQ(a.xang, b.xang);
    EXPECT_EQ(a.yang, b.yang);
    EXPECT_EQ(memcmp(&a.captured, &b.captured, sizeof a.captured), 0);
}

bool Restore(const Bytes& image, SAVE_LAYOUT_E* layout = nullptr, std::string* why = nullptr)
{
    std::string reason;
    SAVE_LAYOUT_E found;
    bool ok = RestoreFromBuffer(image.data(), image.size(), &found, &reason);
    if (layout)
        *layout = found;
    if (why)
        *why = reason;
    EXPECT_TRUE(!ok || reason.empty());
    return ok;
}

// Offsets in a file that differ between two images.
std::string Differences(const Bytes& a, const Bytes& b)
{
    std::string out;
    if (a.size() != b.size())
        return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size());
    int n = 0;
    for (size_t i = 0; i < a.size(); i++)
        if (a[i] != b[i] && n++ < 12)
            out += std::to_string(i) + " ";
    return n ? std::to_string(n) + " bytes differ, at " + out : "";
}

// ---------------------------------------------------------------- the layout

TEST(SaveFile, CurrentLayoutPutsEveryFieldAtItsOffset)
{
    PlayGame(3);
    state.demo_mode = 1;
    Bytes d = SaveImage();
    ASSERT_EQ(d.size(), 28732u);
    POS_T* b = &state.position;
    EXPECT_EQ(U32(d, 0), 0u);  // pointers are not kept
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(U32(d, 4 + 4 * i), (uint32_t)b->whereis_board[i]);
        EXPECT_EQ(U32(d, 20 + 4 * i), (uint32_t)b->whites_board[i]);
    }
    EXPECT_EQ(U32(d, 36), b->hash1);
    EXPECT_EQ(U32(d, 40), b->hash2);
    for (int sq = 0; sq < 64; sq++) {
        EXPECT_EQ((int)U32(d, 60 + 4 * sq), b->board[sq]);
        EXPECT_EQ(d[316 + sq], b->pboard[sq]);
        EXPECT_EQ(U32(d, 1664 + 4 * sq), b->topieces[sq]);
    }
    for (int s = 0; s < 32; s++) {
        EXPECT_EQ((int)U32(d, 380 + 8 * s), b->pieces[s].p);
        EXPECT_EQ(U32(d, 384 + 8 * s), b->pieces[s].pos);
    }
    EXPECT_EQ((int)U32(d, 1368), b->w_material);
    EXPECT_EQ(U32(d, 2228), b->flags);
    EXPECT_EQ((int)U32(d, 2244), b->fifty_count);
    EXPECT_EQ((int)U32(d, 2248), (int)kTriGame.size());
    EXPECT_EQ(U32(d, 2176), 0u);
    EXPECT_EQ(U32(d, 2292), 0u);
    EXPECT_EQ(U32(d, 2184 + 4), b->last_move.to);
    EXPECT_EQ(U32(d, 4600), 0u);
    EXPECT_EQ(U32(d, 4604), 3u);
    EXPECT_EQ(U32(d, 4696), (uint32_t)NOTATION_ALGEBRAIC);
    EXPECT_EQ(U32(d, 4700), (uint32_t)DIFF_MED);
    uint32_t bits;
    float f = 12.5f;
    memcpy(&bits, &f, 4);
    EXPECT_EQ(U32(d, 4712), bits);
    EXPECT_EQ(U32(d, 4708), 1u);
    EXPECT_EQ(U32(d, 4692), (uint32_t)VORNAK_WHITE);
    for (int k = 0; k < (int)kTriGame.size(); k++) {
        const MOVE_T& m = state.game_record[k];
        size_t at = 4728 + 20 * k;
        EXPECT_EQ(U32(d, at), m.from);
        EXPECT_EQ(U32(d, at + 4), m.to);
        EXPECT_EQ((int)U32(d, at + 12), m.piece_moving);
        EXPECT_EQ(d[at + 16], (uint8_t)m.move_symbol);
        EXPECT_EQ(d[at + 17], (uint8_t)m.check);
    }
    // The key history up to the position; later entries are trials' scratch.
    for (int k = 0; k <= b->move_num; k++)
        EXPECT_EQ(U32(d, 24728 + 4 * k), state.hash_list[k]);
    EXPECT_EQ(U32(d, 24728 + 4 * (b->move_num + 1)), 0u);
    EXPECT_EQ(U32(d, 28728), 1u);
}

// ---------------------------------------------------------------- round trips

TEST(SaveFile, RoundTripsBothGamesMidGame)
{
    for (int mode : {2, 3}) {
        SCOPED_TRACE(mode);
        PlayGame(mode);
        Snapshot before = Take();
        Bytes a = SaveImage();
        NewGame(5 - mode, NOTATION_STANDARD);  // another game in progress
        SAVE_LAYOUT_E layout;
        ASSERT_TRUE(Restore(a, &layout));
        EXPECT_EQ(layout, LAYOUT_CURRENT);
        ExpectSameGame(before, Take());
        EXPECT_EQ(state.position.move_num, mode == 2 ? (int)kPlainGame.size() : (int)kTriGame.size());
        Bytes b = SaveImage();
        EXPECT_EQ(Differences(a, b), "");
        // The game goes on.
        rt::Play(mode == 2 ? "a7a6" : "F7A5");
        EXPECT_EQ(state.position.move_num, (int)(mode == 2 ? kPlainGame.size() : kTriGame.size()) + 1);
        // A restored game saved again gives the same bytes.
        Bytes c = SaveImage();
        ASSERT_TRUE(Restore(c));
        EXPECT_EQ(Differences(c, SaveImage()), "");
    }
}

TEST(SaveFile, RoundTripAfterAnEditedStart)
{
    const char* edited = "3d ......../.P....p./K......./......../NP....../......../....p.../.......k w - - 0 6 "
                         "QL1,QL6,KL1,KL6 wbwb";
    NewGameFrom(edited, NOTATION_VESKAR);
    PlayAll({"E2E3", "H8G8", "E1F3"});
    Snapshot before = Take();
    Bytes a = SaveImage();
    NewGame(2);
    ASSERT_TRUE(Restore(a));
    ExpectSameGame(before, Take());
    EXPECT_EQ(state.oeb.inited, 1);
    EXPECT_EQ(Differences(a, SaveImage()), "");
    Console([] { UndoMoves(100); });
    EXPECT_EQ(FormatPosition(&state.position, 3), edited);
}

// ---------------------------------------------------------------- older layouts

TEST(SaveFile, OlderLayoutsRestoreTheSameGame)
{
    for (int mode : {2, 3}) {
        SCOPED_TRACE(mode);
        PlayGame(mode);
        state.spreadmap[0] = 3;
        state.spreadmap[10] = 4;
        Snapshot saved = Take();
        Bytes cur = SaveImage();

        // The previous layout carries every setting but autoplay.
        NewGame(5 - mode, NOTATION_STANDARD);
        SAVE_LAYOUT_E layout;
        ASSERT_TRUE(Restore(PreviousLayout(cur, 1), &layout));
        EXPECT_EQ(layout, LAYOUT_PREVIOUS);
        ExpectSameGame(saved, Take());
        EXPECT_EQ(state.demo_mode, 0);
        EXPECT_EQ(state.spreadmap[0], 3);
        EXPECT_EQ(state.spreadmap[10], 65);  // only the first four cells are carried

        // The oldest layout knows no difficulty and its notation is not read.
        NewGame(5 - mode, NOTATION_VESKAR);
        state.maxdepth = DIFF_HARD;
        ASSERT_TRUE(Restore(OldestLayout(cur, NOTATION_STANDARD), &layout));
        EXPECT_EQ(layout, LAYOUT_OLDEST);
        Snapshot got = Take();
        EXPECT_EQ(got.maxdepth, DIFF_EASY);
        EXPECT_EQ(got.notation, NOTATION_VESKAR);
        got.maxdepth = saved.maxdepth;
        EXPECT_EQ(state.spreadmap[0], 3);
        // Texts in the notation kept: rebuild them as saved to compare.
        state.notation = saved.notation;
        Console([] { UndoMoves(0); });
        got.list = GameList();
        got.notation = saved.notation;
        got.vornak = saved.vornak;  // the rebuild stops the computer
        ExpectSameGame(saved, got);
    }
}

TEST(SaveFile, PreviousPositionRecordConverts)
{
    PlayGame(2);
    Bytes cur = SaveImage();
    Bytes old(SAVE297_SIZE, 0);
    PreviousPosition(&old, 0, cur, 0);
    POS297_T read;
    ReadPosition297(old.data(), &read);
    EXPECT_EQ(read.white_holes, 0x8877665544332211ull);
    EXPECT_EQ(read.oldb, 0x00C0FFEEu);
    EXPECT_EQ(read.h_entry.packed & 63, state.position.h_entry.from & 63);
    std::unique_ptr<POS_T> out(new POS_T());
    out->h_entry.hash1 = 77;
    out->dont_copy = 5;
    saveposition(out.get(), &read);
    const POS_T& want = state.position;
    EXPECT_EQ(memcmp(out->board, want.board, sizeof want.board), 0);
    EXPECT_EQ(memcmp(out->pieces, want.pieces, sizeof want.pieces), 0);
    EXPECT_EQ(memcmp(out->topieces, want.topieces, sizeof want.topieces), 0);
    EXPECT_EQ(out->hash1, want.hash1);
    EXPECT_EQ(out->flags, want.flags);
    EXPECT_EQ(out->move_num, want.move_num);
    EXPECT_EQ(out->fifty_count, want.fifty_count);
    EXPECT_EQ(out->last_move.to, want.last_move.to);
    EXPECT_EQ(out->eval_result, want.eval_result);
    EXPECT_EQ(out->dont_copy, 0u);
    EXPECT_EQ(out->h_entry.hash1, 77u);  // not carried over
    EXPECT_EQ(out->bc_active, nullptr);
}

// ---------------------------------------------------------------- refusals

TEST(SaveFile, RefusedFilesLeaveTheGameAlone)
{
    PlayGame(3);
    Bytes good = SaveImage();
    NewGame(2);
    rt::PlayAll({"e2e4", "e7e5"});
    std::unique_ptr<STATE_T> before = rt::StateSnapshot();
    CAP_T captured = cap_t;
    std::vector<std::string> list = GameList();

    struct Case {
        const char* what;
        size_t at;  // 4-byte value written there, or a new length when `length`
        uint32_t value;
        bool length;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", 0, 0, true, "unrecognized file type: 0 bytes"},
        {"truncated", 0, 1000, true, "unrecognized file type: 1000 bytes"},
        {"one byte long", 0, 28733, true, "unrecognized"},
        {"mode", 4604, 4, false, "game mode 4"},
        {"pin", 8, 33, false, "attack board 1 stands at 33"},
        {"pins", 8, ABW_QL1, false, "same pin"},
        {"pin out of range", 12, 78, false, "not a pin"},
        {"piece code", 60 + 4 * 30, 9, false, "piece code 9"},
        {"a second king", 60 + 4 * 28, W_KING, false, "White has 2 kings"},
        {"no king", 60 + 4 * D8, 0, false, "Black has 0 kings"},
        {"ply count", 2248, 1001, false, "ply count 1001"},
        {"negative ply count", 2248, 0xFFFFFFFF, false, "ply count -1"},
        {"half-move count", 2244, 0x7FFFFFFF, false, "plies since"},
        {"start after the end", 4600, 1, false, "starting position"},
        {"recorded move", 4728 + 20 * 2 + 4, A8, false, "move 2 (ply 3)"},
        {"view", 4704, 0x7FC00000, false, "not numbers"},
        {"result", 2252, 7, false, "result 7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bad = good;
        if (c.length)
            bad.resize(c.value);
        else
            Put32(&bad, c.at, c.value);
        std::string why;
        EXPECT_FALSE(Restore(bad, nullptr, &why));
        EXPECT_NE(why.find(c.reason), std::string::npos) << why;
        EXPECT_EQ(memcmp(before.get(), &state, sizeof state), 0);
        EXPECT_EQ(memcmp(&captured, &cap_t, sizeof cap_t), 0);
        EXPECT_EQ(GameList(), list);
    }
}

// ---------------------------------------------------------------- the file commands

class SaveFileCommands : public testing::Test {
protected:
    std::string dir;
    std::string old_cwd;

    void SetUp() override
    {
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        old_cwd = cwd;
        std::string pattern = testing::TempDir() + "vornak_files_XXXXXX";
        ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
        dir = pattern;
        ASSERT_EQ(chdir(dir.c_str()), 0);
        snprintf(gamefilename, sizeof gamefilename, "vornak.sav");
        calls.clear();
    }
    void TearDown() override
    {
        shell_hooks = SHELL_HOOKS_T{};
        EXPECT_EQ(chdir(old_cwd.c_str()), 0);
        for (const std::string& f : Files())
            unlink((dir + "/" + f).c_str());
        rmdir(dir.c_str());
    }

    std::vector<std::string> Files()
    {
        std::vector<std::string> names;
        if (DIR* d = opendir(dir.c_str())) {
            while (dirent* e = readdir(d))
                if (strcmp(e->d_name, ".") && strcmp(e->d_name, ".."))
                    names.push_back(e->d_name);
            closedir(d);
        }
        return names;
    }

    static Bytes ReadFile(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    static void WriteFile(const std::string& name, const Bytes& bytes)
    {
        std::ofstream(name, std::ios::binary).write((const char*)bytes.data(), bytes.size());
    }

    static std::string calls;
    static void Clutch(int start) { calls += start ? "C1 " : "C0 "; }
    static void Title(const char* t) { calls += std::string("title:") + t + " "; }
    static std::string chooser_answer;
    static int chooser_result;
    static int Chooser(const FILE_CHOICE_T* what, char* name, size_t size)
    {
        calls += std::string(what->save ? "save:" : "open:") + name + " ";
        if (chooser_result > 0)
            snprintf(name, size, "%s", chooser_answer.c_str());
        return chooser_result;
    }
    void WatchShell()
    {
        shell_hooks.clutch = Clutch;
        shell_hooks.set_window_title = Title;
        shell_hooks.choose_file = Chooser;
    }
};
std::string SaveFileCommands::calls;
std::string SaveFileCommands::chooser_answer;
int SaveFileCommands::chooser_result;

TEST_F(SaveFileCommands, SavesReplaceTheOldFileOnlyWhenComplete)
{
    PlayGame(2);
    WatchShell();
    std::string out = Console([] { EXPECT_TRUE(SaveGame(1)); });
    EXPECT_EQ(out, "\nSaving vornak.sav ...complete");
    EXPECT_EQ(calls, "C0 C1 title:vornak.sav ");
    Bytes first = SaveImage();
    EXPECT_EQ(ReadFile("vornak.sav"), first);

    // Saving again overwrites it.
    rt::Play("a7a6");
    Console([] { EXPECT_TRUE(SaveGame(1)); });
    Bytes second = SaveImage();
    EXPECT_EQ(ReadFile("vornak.sav"), second);
    EXPECT_EQ(Files(), std::vector<std::string>{"vornak.sav"});

    // A write that fails is a failure, and the last save survives it.
    rt::Play("f3h4");
    struct rlimit old_limit, small = {10000, 10000};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    small.rlim_max = old_limit.rlim_max;
    auto old_handler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    out = Console([] { EXPECT_FALSE(SaveGame(1)); });
    setrlimit(RLIMIT_FSIZE, &old_limit);
    signal(SIGXFSZ, old_handler);
    EXPECT_EQ(out.rfind("\nSaving vornak.sav ...failed", 0), 0u) << out;
    EXPECT_EQ(ReadFile("vornak.sav"), second);
    EXPECT_EQ(Files(), std::vector<std::string>{"vornak.sav"});

    // A folder that is not there.
    chooser_result = 1;
    chooser_answer = dir + "/no/such/folder.sav";
    out = Console([] { EXPECT_FALSE(SaveGame(0)); });
    EXPECT_NE(out.find("can't open save file"), std::string::npos) << out;
}

TEST_F(SaveFileCommands, TheChooserNamesTheFileOrCancels)
{
    PlayGame(3);
    WatchShell();
    chooser_result = 0;
    std::string out = Console([] { EXPECT_FALSE(SaveGame(0)); });
    EXPECT_EQ(out, "");
    EXPECT_EQ(calls, "save:vornak.sav ");
    EXPECT_TRUE(Files().empty());

    calls.clear();
    chooser_result = 1;
    chooser_answer = "first.sav";
    Console([] { EXPECT_TRUE(SaveGame(0)); });
    EXPECT_EQ(calls, "save:vornak.sav C0 C1 title:first.sav ");
    EXPECT_STREQ(gamefilename, "first.sav");

    // Cancelling a restore leaves everything, the thinking thread included.
    std::unique_ptr<STATE_T> before = rt::StateSnapshot();
    calls.clear();
    chooser_result = 0;
    EXPECT_FALSE(RestoreGame(0));
    EXPECT_EQ(calls, "open:first.sav ");
    EXPECT_EQ(memcmp(before.get(), &state, sizeof state), 0);

    // Without a chooser the default name serves.
    shell_hooks.choose_file = nullptr;
    out = Console([] { EXPECT_TRUE(SaveGame(0)); });
    EXPECT_EQ(out, "\nNo file chooser: using \"vornak.sav\"\nSaving vornak.sav ...complete");
}

TEST_F(SaveFileCommands, RestoreReportsAndRefusesWithoutEndingTheGame)
{
    PlayGame(3);
    Bytes good = SaveImage();
    NewGame(2);
    rt::Play("e2e4");
    WatchShell();
    std::unique_ptr<STATE_T> before = rt::StateSnapshot();

    // No file: nothing stops.
    std::string out = Console([] { EXPECT_FALSE(RestoreGame(1)); });
    EXPECT_EQ(out.rfind("\nPanic: can't open restore file", 0), 0u) << out;
    EXPECT_EQ(calls, "");

    WriteFile("vornak.sav", Bytes(1000, 7));
    out = Console([] { EXPECT_FALSE(RestoreGame(1)); });
    EXPECT_EQ(out, "\nRestore game ... failed! unrecognized file type: 1000 sos: 28732"
                   "\nthe game in progress is unchanged");
    EXPECT_EQ(calls, "C0 C1 ");
    EXPECT_EQ(memcmp(before.get(), &state, sizeof state), 0);

    Bytes bad = good;
    Put32(&bad, 4604, 9);
    WriteFile("vornak.sav", bad);
    out = Console([] { EXPECT_FALSE(RestoreGame(1)); });
    EXPECT_EQ(out, "\nRestore game ... failed! game mode 9 is neither 2 (plain) nor 3 (tri-dimensional)"
                   "\nthe game in progress is unchanged");
    EXPECT_EQ(memcmp(before.get(), &state, sizeof state), 0);

    calls.clear();
    WriteFile("vornak.sav", PreviousLayout(good, 0));
    out = Console([] { EXPECT_TRUE(RestoreGame(1)); });
    EXPECT_EQ(out, "\nRestore game ...v297complete!");
    EXPECT_EQ(calls, "C0 title:vornak.sav C1 ");
    EXPECT_EQ(state.dmode, 3);

    // Not a file at all: a pipe nobody writes to must not hang the restore.
    ASSERT_EQ(mkfifo("pipe.sav", 0600), 0);
    std::vector<uint8_t> bytes;
    std::string why;
    EXPECT_FALSE(ReadSaveFile("pipe.sav", &bytes, &why));
    EXPECT_EQ(why, "not a regular file");
    // A longer file is not read as the oldest layout.
    WriteFile("long.sav", Bytes(OLD_SAVE_SIZE + 5, 0));
    EXPECT_TRUE(ReadSaveFile("long.sav", &bytes, &why));
    EXPECT_EQ(bytes.size(), OLD_SAVE_SIZE + 1);
    EXPECT_EQ(LayoutOfSize(bytes.size()), LAYOUT_UNKNOWN);
}

// What the window says of a refused file or line: the console's reason,
// or shorter words where the console's are the program's own shorthand;
// nothing after a success or a cancelled question.
TEST_F(SaveFileCommands, RefusalsGiveTheirReasonForTheWindow)
{
    PlayGame(2);
    Bytes good = SaveImage();
    NewGame(2);
    WatchShell();
    const std::string pgn = "[Event \"x\"]\n\n1. e4 e5 2. Ke3 *\n";
    WriteFile("short.sav", Bytes(1000, 7));
    WriteFile("bad.pgn", Bytes(pgn.begin(), pgn.end()));
    const std::pair<const char*, const char*> files[] = {
        {"short.sav", "not a Vornak save file (wrong size: 1000 bytes)"},
        {"bad.pgn", "move 2. Ke3: no legal move fits"},
        {"missing.sav", "No such file or directory"},
    };
    for (const auto& file : files) {
        std::string why = "stale";
        Console([&] { EXPECT_FALSE(RestoreGameFromFile(file.first, &why)); });
        EXPECT_EQ(why, file.second) << file.first;
    }
    std::string why;
    Console([&] { EXPECT_FALSE(RestoreGameFromFile(std::string(300, 'a').c_str(), &why)); });
    EXPECT_EQ(why, "file name too long");
    Bytes mode = good;
    Put32(&mode, 4604, 9);
    WriteFile("mode.sav", mode);
    Console([&] { EXPECT_FALSE(RestoreGameFromFile("mode.sav", &why)); });
    EXPECT_EQ(why, "game mode 9 is neither 2 (plain) nor 3 (tri-dimensional)");
    WriteFile("good.sav", good);
    Console([&] { EXPECT_TRUE(RestoreGameFromFile("good.sav", &why)); });
    EXPECT_EQ(why, "");

    // Positions: cancelled, refused, and without an entry dialog or a file.
    static std::string typed;
    static int answer;
    shell_hooks.ask_text = [](const char*, const char*, char* text, size_t size) {
        snprintf(text, size, "%s", typed.c_str());
        return answer;
    };
    answer = 0;
    why = "stale";
    EXPECT_FALSE(SetUpPositionAsked(&why));
    EXPECT_EQ(why, "");
    answer = 1;
    typed = "8/8/8/8/8/8/8/8 w - - 0 1";
    std::string out = Console([&] { EXPECT_FALSE(SetUpPositionAsked(&why)); });
    // The line typed is no tag of a game: the window leaves the tag out.
    EXPECT_EQ(why, "missing White king");
    EXPECT_EQ(out, "\nPosition refused: the FEN tag: missing White king\nthe game in progress is unchanged");
    typed = "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 "
            "QL1,QL1,KL1,KL6 wbwb";
    out = Console([&] { EXPECT_FALSE(SetUpPositionAsked(&why)); });
    EXPECT_EQ(why, "two boards on pin QL1 (QLW and QLB)");
    EXPECT_EQ(out, "\nPosition refused: the Position tag: " + why + "\nthe game in progress is unchanged");
    typed = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1";
    Console([&] { EXPECT_TRUE(SetUpPositionAsked(&why)); });
    EXPECT_EQ(why, "");
    shell_hooks.ask_text = nullptr;
    Console([&] { EXPECT_FALSE(SetUpPositionAsked(&why)); });
    EXPECT_EQ(why, "position.txt: No such file or directory");
}

// Save and Restore by the name's extension: PGN for the plain game, the
// record for the other, both back move for move; the wrong game for a
// format, a refused move and a pipe leave the file and the game alone.
TEST_F(SaveFileCommands, GamesGoOutAndComeBackAsText)
{
    chooser_result = 1;
    for (int mode : {2, 3}) {
        const char* name = mode == 2 ? "game.pgn" : "game.TDR";
        const char* other = mode == 2 ? "game.tdr" : "game.pgn";
        PlayGame(mode);
        WatchShell();
        std::string board = FormatPosition(&state.position, mode);
        std::vector<std::string> list = GameList();

        chooser_answer = other;
        std::string out = Console([] { EXPECT_FALSE(SaveGame(0)); });
        EXPECT_EQ(out.rfind(std::string("\nSaving ") + other + " ...failed: ", 0), 0u) << out;
        EXPECT_TRUE(Files().empty());

        chooser_answer = name;
        out = Console([] { EXPECT_TRUE(SaveGame(0)); });
        EXPECT_EQ(out, std::string("\nSaving ") + name + " ...complete");
        EXPECT_STREQ(gamefilename, name);
        Bytes text = ReadFile(name);
        std::string s(text.begin(), text.end());
        EXPECT_NE(s.find(mode == 2 ? "1. e4 d5 2. exd5" : "[Variant \"Tri-dimensional\"]"), std::string::npos) << s;

        // PGN names no notation: the game comes back in the program's.
        NewGame(mode == 2 ? 3 : 2, mode == 2 ? NOTATION_ALGEBRAIC : NOTATION_STANDARD);
        WatchShell();
        out = Console([] { EXPECT_TRUE(RestoreGame(0)); });
        EXPECT_EQ(out, "\nRestore game ...complete!");
        EXPECT_EQ(state.dmode, mode);
        EXPECT_EQ(FormatPosition(&state.position, mode), board);
        EXPECT_EQ(GameList(), list);
        EXPECT_FALSE(game_changed_since_save);
        unlink(name);
    }

    // A move the rules refuse: the game in progress stays as it was, its
    // key history (where repetitions are found) included.
    NewGame(2);
    rt::Play("e2e4");
    WatchShell();
    std::unique_ptr<STATE_T> before = rt::StateSnapshot();
    Snapshot game = Take();
    auto unchanged = [&] {
        const STATE_T& a = *before;
        int plies = state.position.move_num + 1;
        ExpectSameGame(Take(), game);
        EXPECT_EQ(memcmp(&a.position, &state.position, sizeof a.position), 0);
        EXPECT_EQ(memcmp(a.game_record, state.game_record, sizeof a.game_record), 0);
        EXPECT_EQ(memcmp(a.hash_list, state.hash_list, plies * sizeof a.hash_list[0]), 0);
    };
    std::string bad = "[Event \"x\"]\n\n1. e4 e5 2. Ke3 *\n";
    WriteFile("bad.pgn", Bytes(bad.begin(), bad.end()));
    chooser_answer = "bad.pgn";
    std::string out = Console([] { EXPECT_FALSE(RestoreGame(0)); });
    EXPECT_EQ(out, "\nRestore game ... failed! move 2. Ke3: no legal move fits\nthe game in progress is unchanged");
    unchanged();

    std::string empty = "\n";
    WriteFile("empty.tdr", Bytes(empty.begin(), empty.end()));
    chooser_answer = "empty.tdr";
    out = Console([] { EXPECT_FALSE(RestoreGame(0)); });
    EXPECT_EQ(out, "\nRestore game ... failed! no game\nthe game in progress is unchanged");

    ASSERT_EQ(mkfifo("pipe.pgn", 0600), 0);
    chooser_answer = "pipe.pgn";
    out = Console([] { EXPECT_FALSE(RestoreGame(0)); });
    EXPECT_NE(out.find("\npipe.pgn: not a regular file\nthe game in progress is unchanged"), std::string::npos) << out;
    unchanged();
}

// Positions by text: a FEN and a 3d line become new games of their kind;
// a line refused leaves the game; Y's file is read back where no entry
// dialog can be shown.
TEST_F(SaveFileCommands, PositionsSetUpFromTextAndWrittenOut)
{
    const std::string fen = "4k3/8/8/8/8/8/4P3/4K3 b - - 0 7";
    NewGame(3);
    rt::Play("E2E4");
    state.vornak = VORNAK_BLACK;
    std::string why;
    ASSERT_TRUE(SetUpPositionFromText("  " + fen + "\n", &why)) << why;
    EXPECT_EQ(state.dmode, 2);
    EXPECT_EQ(FormatPosition(&state.position, 2), fen);
    EXPECT_EQ(GameStartPly(), state.position.move_num);
    EXPECT_EQ(state.vornak, VORNAK_BLACK);  // the computer keeps its side

    std::string out = Console([] { EXPECT_TRUE(PrintPosition()); });
    EXPECT_EQ(out, "\nPosition: " + fen + "\nwritten to position.txt");
    Bytes file = ReadFile("position.txt");
    EXPECT_EQ(std::string(file.begin(), file.end()), fen + "\n");

    std::unique_ptr<STATE_T> before = rt::StateSnapshot();
    for (const char* bad : {"", "8/8/8/8/8/8/8/8 w - - 0 1", "4k3/8/8/8/8/8/8/4K3 w - - 0", "3d garbage"}) {
        EXPECT_FALSE(SetUpPositionFromText(bad, &why)) << bad;
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(FormatPosition(&state.position, state.dmode), fen);
        EXPECT_EQ(state.dmode, 2);
    }

    // The tri-dimensional start under the rules in force, through the
    // fallback that reads position.txt.
    const std::string tri = "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 "
                            "QL1,QL6,KL1,KL6 wbwb";
    WriteFile("position.txt", Bytes(tri.begin(), tri.end()));
    state.rules = RULES_TOURNAMENT;
    shell_hooks.clutch = Clutch;
    calls.clear();
    out = Console([] { SetUpPositionAsked(); });
    EXPECT_EQ(out, "\nNo text entry: reading the position from \"position.txt\"\nPosition set up: " + tri);
    EXPECT_EQ(calls, "C0 C1 ");
    EXPECT_EQ(state.dmode, 3);
    EXPECT_EQ(state.rules, RULES_TOURNAMENT);

    unlink("position.txt");
    out = Console([] { SetUpPositionAsked(); });
    EXPECT_EQ(out, "\nNo text entry: reading the position from \"position.txt\"\n"
                   "position.txt: No such file or directory\nthe game in progress is unchanged");
}

}  // namespace
