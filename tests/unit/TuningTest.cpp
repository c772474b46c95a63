// The weight fit: it recovers weights that made the results, improving on
// positions it did not see, moves only the derived blocks and keeps their
// mirrored entries equal; the source rewrite puts the weights back in the
// table's columns and marks what changed.
#include "EvalTestUtil.h"
#include "search/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

namespace {

// Positions of random games of both games, readied as search roots.
std::vector<TUNE_SAMPLE_T> RandomSamples(int games, uint64_t seed)
{
    std::vector<TUNE_SAMPLE_T> out;
    et::Rng rng(seed);
    for (int g = 0; g < games; g++) {
        auto b = et::Load(g % 2 ? et::kPlainStart : et::k3dStart);
        std::unique_ptr<POS_T> next(new POS_T());
        for (int ply = 0; ply < 80; ply++) {
            MOVE_T m;
            if (!et::RandomMove(b.get(), &rng, &m) || !DoMove(next.get(), b.get(), &m))
                break;
            *b = *next;
            b->oldb = nullptr;
            if (ply % 4 == 3) {
                out.emplace_back();
                out.back().pos = *b;
                out.back().result = 0.5;
                PrepareRoot(&out.back().pos);
            }
        }
    }
    return out;
}

// Restores the shipped weights whatever a test did to them.
struct ShippedWeightsAfter {
    ~ShippedWeightsAfter() { memcpy(new_coefficients, orig_coefficients, sizeof new_coefficients); }
};

// Results as the weights with the given changes would predict them.
void LabelWith(std::vector<TUNE_SAMPLE_T>* samples, const std::vector<std::pair<TUNE_PARAM_T, int>>& changes)
{
    for (auto& c : changes)
        for (int e : c.first.entries)
            new_coefficients[e] += c.second;
    for (TUNE_SAMPLE_T& s : *samples)
        s.result = 1 / (1 + std::pow(10.0, -TuneScore(&s.pos) / 4));
    for (auto& c : changes)
        for (int e : c.first.entries)
            new_coefficients[e] -= c.second;
}

TEST(Tuning, FitRecoversTheWeightsThatMadeTheResults)
{
    ShippedWeightsAfter restore;
    InitEvalTables();
    std::vector<TUNE_SAMPLE_T> train = RandomSamples(16, 1), held = RandomSamples(8, 2);
    ASSERT_GT(train.size(), 200u);
    std::vector<TUNE_PARAM_T> params = TunableParams();
    // Every seventh parameter off by two pawns' hundredths, in turn up and down.
    std::vector<std::pair<TUNE_PARAM_T, int>> changes;
    for (size_t i = 0; i < params.size(); i += 7)
        changes.push_back({params[i], (i / 7) % 2 ? 300 : -300});
    LabelWith(&train, changes);
    LabelWith(&held, changes);

    TUNE_SETTINGS_T settings;
    settings.max_passes = 2;
    TUNE_REPORT_T r = TuneFit(train, held, TunableParams(), settings);
    EXPECT_LT(r.train_after, r.train_before * 0.9);
    EXPECT_LT(r.held_after, r.held_before * 0.95) << "the fit does not carry over to unseen positions";
    EXPECT_GT(r.moves, 0);
    // The changed weights that the positions read were moved towards the
    // values that made the results more often than away from them.
    int towards = 0, away = 0;
    for (auto& c : changes) {
        int moved = new_coefficients[c.first.entries[0]] - orig_coefficients[c.first.entries[0]];
        if (moved * c.second > 0)
            towards++;
        else if (moved * c.second < 0)
            away++;
    }
    EXPECT_GT(towards, 2 * away) << towards << " towards, " << away << " away";
}

TEST(Tuning, WhatDoesNotCarryOverToUnseenPositionsIsUndone)
{
    ShippedWeightsAfter restore;
    InitEvalTables();
    std::vector<TUNE_SAMPLE_T> train = RandomSamples(8, 4), held = RandomSamples(4, 5);
    std::vector<TUNE_PARAM_T> params = TunableParams();
    std::vector<std::pair<TUNE_PARAM_T, int>> changes, opposite;
    for (size_t i = 0; i < params.size(); i += 5) {
        changes.push_back({params[i], 400});
        opposite.push_back({params[i], -400});
    }
    // The training games teach the opposite of the held-out ones.
    LabelWith(&train, changes);
    LabelWith(&held, opposite);
    TUNE_SETTINGS_T settings;
    settings.max_passes = 3;
    settings.patience = 2;
    TUNE_REPORT_T r = TuneFit(train, held, params, settings);
    EXPECT_GE(r.passes, 2);
    EXPECT_EQ(r.moves, 0);
    EXPECT_EQ(r.held_after, r.held_before);
    EXPECT_EQ(r.train_after, r.train_before);
    EXPECT_EQ(memcmp(new_coefficients, orig_coefficients, sizeof new_coefficients), 0)
        << "the weights of the best pass (none) must be the result";
}

TEST(Tuning, FitMovesOnlyDerivedWeightsAndKeepsTheirMirrorsEqual)
{
    InitEvalTables();
    std::vector<TUNE_SAMPLE_T> train = RandomSamples(12, 3);
    // Results that no weight explains: the fit chases noise, which shows
    // where it may reach.
    et::Rng rng(9);
    for (TUNE_SAMPLE_T& s : train)
        s.result = rng.Next(3) / 2.0;
    std::set<int> tunable;
    for (const TUNE_PARAM_T& p : TunableParams()) {
        for (int e : p.entries) {
            EXPECT_TRUE(tunable.insert(e).second) << "entry " << e << " in two parameters";
            EXPECT_EQ(e / STAGE_COEFFICIENTS, p.stage);
            EXPECT_EQ(orig_coefficients[e], orig_coefficients[p.entries[0]]) << "tied entries differ: " << e;
        }
    }
    for (bool coarse : {false, true}) {
        ShippedWeightsAfter restore;
        std::vector<TUNE_PARAM_T> params = TunableParams(coarse);
        TUNE_SETTINGS_T settings;
        settings.max_passes = 1;
        settings.step = coarse ? 300 : 400;
        TuneFit(train, {}, params, settings);
        int changed = 0;
        for (int i = 0; i < NUM_COEFFICIENTS; i++) {
            if (new_coefficients[i] == orig_coefficients[i])
                continue;
            changed++;
            EXPECT_TRUE(tunable.count(i)) << "weight " << i % STAGE_COEFFICIENTS << " of stage "
                                          << i / STAGE_COEFFICIENTS << " is given, not derived";
        }
        EXPECT_GT(changed, 0) << (coarse ? "coarse" : "fine");
        // A strong enough pull to the shipped weights outweighs any noise.
        memcpy(new_coefficients, orig_coefficients, sizeof new_coefficients);
        settings.prior = 1e4;
        EXPECT_EQ(TuneFit(train, {}, params, settings).moves, 0);
        EXPECT_EQ(memcmp(new_coefficients, orig_coefficients, sizeof new_coefficients), 0);
        settings.prior = 0;
        TuneFit(train, {}, params, settings);
        // A scaled block keeps its shape: zeros stay zero.
        if (coarse) {
            for (int i : tunable) {
                if (orig_coefficients[i] == 0) {
                    EXPECT_EQ(new_coefficients[i], 0) << i;
                }
            }
        }
        for (int stage = 0; stage < 4; stage++) {
            const int* w = new_coefficients + stage * STAGE_COEFFICIENTS;
            for (int sq = 0; sq < 64; sq++) {
                EXPECT_EQ(w[KNIGHT_SQUARE_TABLE + sq], w[KNIGHT_SQUARE_TABLE + (sq ^ 56)]);
                EXPECT_EQ(w[CONTROL_TABLE + sq], w[CONTROL_TABLE + (sq ^ 56)]);
                EXPECT_EQ(w[KING_SIDE_SHELTER + sq], w[QUEEN_SIDE_SHELTER + (sq ^ 56)]);
            }
        }
    }
}

std::string ShippedSource()
{
    std::ifstream in(std::string(VORNAK_SOURCE_DIR) + "/src/eval/Coefficients.cpp");
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

TEST(Tuning, RewriteKeepsTheTableAndMarksWhatChanged)
{
    std::string source = ShippedSource(), out, err;
    ASSERT_FALSE(source.empty());
    std::vector<int> read;
    ASSERT_TRUE(ReadCoefficients(source, &read, &err)) << err;
    EXPECT_TRUE(std::equal(read.begin(), read.end(), orig_coefficients)) << "the table read is not the one built";
    ASSERT_TRUE(RewriteCoefficients(source, orig_coefficients, "nothing", &out, &err)) << err;
    EXPECT_EQ(out, source) << "the shipped weights must give the file back unchanged";

    std::vector<int> w(orig_coefficients, orig_coefficients + NUM_COEFFICIENTS);
    w[MID_GS * STAGE_COEFFICIENTS + ROOK_SQUARE_TABLE + 9] = -123456;
    w[ENDING * STAGE_COEFFICIENTS + ATTACK_COUNT + 2] += 7;
    const std::string note = "a test fit on 12 positions of random games, 2026-12-08";
    ASSERT_TRUE(RewriteCoefficients(source, w.data(), note, &out, &err)) << err;
    std::istringstream lines(out);
    std::string line;
    int tuned = 0;
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 100u) << line;
        if (line.find("tuned: a test fit") != std::string::npos) {
            tuned++;
            EXPECT_TRUE(line.find("ROOK_SQUARE_TABLE: tuned") != std::string::npos ||
                        line.find("ATTACK_COUNT (0..15 attacks): tuned") != std::string::npos)
                << line;
        }
    }
    EXPECT_EQ(tuned, 2);
    EXPECT_EQ(out.find("ROOK_SQUARE_TABLE: derived"), std::string::npos);
    // A block the fit left alone keeps its comment, whatever it says.
    size_t knight = source.find("KNIGHT_SQUARE_TABLE: ");
    ASSERT_NE(knight, std::string::npos);
    std::string knight_line = source.substr(knight, source.find('\n', knight) - knight);
    EXPECT_NE(out.find(knight_line), std::string::npos) << knight_line;
    // Read back, the rewritten table holds the new weights; shipped weights
    // written over it again give the first file back.
    std::string again;
    ASSERT_TRUE(ReadCoefficients(out, &read, &err)) << err;
    EXPECT_EQ(read, w);
    ASSERT_TRUE(RewriteCoefficients(out, w.data(), note, &again, &err)) << err;
    EXPECT_EQ(again, out);
    EXPECT_NE(out.find("-123456,"), std::string::npos);

    // A table cut short, or one number too many, is refused.
    std::string cut = source;
    size_t row = cut.find('\n', cut.find("/* 1021")) + 1;
    cut.erase(row, cut.find('\n', row) + 1 - row);  // a row of eight numbers
    EXPECT_FALSE(RewriteCoefficients(cut, orig_coefficients, "x", &out, &err));
    std::string extra = source;
    extra.insert(extra.find("/*    1 CASTLING */"), " 5, ");
    EXPECT_FALSE(RewriteCoefficients(extra, orig_coefficients, "x", &out, &err));
    EXPECT_NE(err.find("more than"), std::string::npos) << err;
    EXPECT_FALSE(RewriteCoefficients("int x = 1;", orig_coefficients, "x", &out, &err));
}

}  // namespace
