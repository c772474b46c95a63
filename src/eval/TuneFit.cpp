// Fitting the weights to game results (Texel's method): the static score of
// each quiet position, squashed into an expected result, against the result
// the game reached.
#include "eval/eval.h"

#include <cmath>
#include <cstdio>
#include <thread>

namespace {

double Expected(double score, double k) { return 1 / (1 + std::pow(10.0, -k * score / 4)); }

// Scores every sample with the current weights, on two threads. The threads
// are new for each call on purpose: the evaluation keeps thread-local copies
// made from the weights (Black's shelter tables), which a fresh thread makes
// again from the weights as they now stand.
std::vector<double> ScoreAll(const std::vector<const TUNE_SAMPLE_T*>& samples)
{
    std::vector<double> scores(samples.size());
    auto work = [&](size_t first, size_t step) {
        for (size_t i = first; i < samples.size(); i += step)
            scores[i] = TuneScore(&samples[i]->pos);
    };
    std::thread other(work, 1, 2);
    std::thread mine(work, 0, 2);
    mine.join();
    other.join();
    return scores;
}

double SquaredError(const std::vector<const TUNE_SAMPLE_T*>& samples, double k)
{
    std::vector<double> scores = ScoreAll(samples);
    double sum = 0;
    for (size_t i = 0; i < samples.size(); i++) {
        double d = samples[i]->result - Expected(scores[i], k);
        sum += d * d;
    }
    return sum;
}

std::vector<const TUNE_SAMPLE_T*> Pointers(const std::vector<TUNE_SAMPLE_T>& samples)
{
    std::vector<const TUNE_SAMPLE_T*> out;
    for (const TUNE_SAMPLE_T& s : samples)
        out.push_back(&s);
    return out;
}

}  // namespace

double TuneScore(const POS_T* prepared)
{
    thread_local POS_T scratch;
    scratch = *prepared;
    scratch.oldb = nullptr;
    scratch.moves = nullptr;
    scratch.flags &= ~(FLAG_EVALUATED | FLAG_TACTICS_DONE);
    coefficients = new_coefficients + prepared->stage * STAGE_COEFFICIENTS;
    ETYPE_T v = Evaluate(&scratch, NO_VALUE, 2);
    return NextToPlay(prepared) * v / 10000.0;
}

double TuneError(const std::vector<TUNE_SAMPLE_T>& samples, double k)
{
    InitEvalTables();
    return samples.empty() ? 0 : SquaredError(Pointers(samples), k) / samples.size();
}

double TuneFitK(const std::vector<TUNE_SAMPLE_T>& samples)
{
    InitEvalTables();
    std::vector<const TUNE_SAMPLE_T*> all = Pointers(samples);
    std::vector<double> scores = ScoreAll(all);
    auto error = [&](double k) {
        double sum = 0;
        for (size_t i = 0; i < all.size(); i++) {
            double d = all[i]->result - Expected(scores[i], k);
            sum += d * d;
        }
        return sum;
    };
    // The error is smooth and has one minimum in k: a golden-section search.
    double lo = 0.05, hi = 5;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 60; i++) {
        double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
        if (error(a) < error(b))
            hi = b;
        else
            lo = a;
    }
    return (lo + hi) / 2;
}

TUNE_REPORT_T TuneFit(const std::vector<TUNE_SAMPLE_T>& train, const std::vector<TUNE_SAMPLE_T>& held_out,
                      const std::vector<TUNE_PARAM_T>& params, int max_passes, int step,
                      void (*log)(const char* line))
{
    InitEvalTables();
    TUNE_REPORT_T r{};
    r.k = TuneFitK(train);
    // A step of one parameter changes the scores of one stage only: the
    // training error is kept per stage and only that stage is scored again.
    std::vector<const TUNE_SAMPLE_T*> by_stage[4];
    for (const TUNE_SAMPLE_T& s : train)
        by_stage[s.pos.stage & 3].push_back(&s);
    double stage_error[4];
    for (int st = 0; st < 4; st++)
        stage_error[st] = SquaredError(by_stage[st], r.k);
    auto total = [&] {
        return train.empty() ? 0 : (stage_error[0] + stage_error[1] + stage_error[2] + stage_error[3]) / train.size();
    };
    r.train_before = r.train_after = total();
    r.held_before = r.held_after = TuneError(held_out, r.k);
    std::vector<int> best(new_coefficients, new_coefficients + NUM_COEFFICIENTS);
    char line[200];
    for (int pass = 1; pass <= max_passes && step > 0; pass++) {
        int moved = 0;
        for (const TUNE_PARAM_T& p : params) {
            if (by_stage[p.stage].empty())
                continue;
            for (int dir : {step, -step}) {
                std::vector<int> add(p.entries.size(), dir);
                bool any = p.shape.empty();
                for (size_t i = 0; i < p.shape.size(); i++)
                    any = (add[i] = (int)std::lround(dir * p.shape[i])) != 0 || any;
                if (!any)
                    break;
                for (size_t i = 0; i < add.size(); i++)
                    new_coefficients[p.entries[i]] += add[i];
                double e2 = SquaredError(by_stage[p.stage], r.k);
                if (e2 < stage_error[p.stage]) {
                    stage_error[p.stage] = e2;
                    moved++;
                    break;
                }
                for (size_t i = 0; i < add.size(); i++)
                    new_coefficients[p.entries[i]] -= add[i];
            }
        }
        double held = TuneError(held_out, r.k);
        r.passes = pass;
        snprintf(line, sizeof line, "pass %d step %d: %d moves, training error %.6f, held-out error %.6f", pass,
                 step, moved, total(), held);
        if (log)
            log(line);
        if (held > r.held_after) {
            // Past the best: what the training positions still teach does
            // not carry over to others.
            std::copy(best.begin(), best.end(), new_coefficients);
            break;
        }
        r.held_after = held;
        r.train_after = total();
        r.moves += moved;
        std::copy(new_coefficients, new_coefficients + NUM_COEFFICIENTS, best.begin());
        if (moved == 0)
            step /= 2;
    }
    return r;
}
