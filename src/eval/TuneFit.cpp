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

double SquaredError(const std::vector<const TUNE_SAMPLE_T*>& samples, const std::vector<double>& scores, double k)
{
    double sum = 0;
    for (size_t i = 0; i < samples.size(); i++) {
        double d = samples[i]->result - Expected(scores[i], k);
        sum += d * d;
    }
    return sum;
}

// The k that fits the scores to the results best. The error is smooth and
// has one minimum in k: a golden-section search.
double BestK(const std::vector<const TUNE_SAMPLE_T*>& samples, const std::vector<double>& scores)
{
    double lo = 0.05, hi = 5;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 60; i++) {
        double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
        if (SquaredError(samples, scores, a) < SquaredError(samples, scores, b))
            hi = b;
        else
            lo = a;
    }
    return (lo + hi) / 2;
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
    std::vector<const TUNE_SAMPLE_T*> all = Pointers(samples);
    return samples.empty() ? 0 : SquaredError(all, ScoreAll(all), k) / samples.size();
}

double TuneFitK(const std::vector<TUNE_SAMPLE_T>& samples)
{
    InitEvalTables();
    std::vector<const TUNE_SAMPLE_T*> all = Pointers(samples);
    return BestK(all, ScoreAll(all));
}

TUNE_REPORT_T TuneFit(const std::vector<TUNE_SAMPLE_T>& train, const std::vector<TUNE_SAMPLE_T>& held_out,
                      const std::vector<TUNE_PARAM_T>& params, const TUNE_SETTINGS_T& settings)
{
    const int step = settings.step;
    InitEvalTables();
    TUNE_REPORT_T r{};
    std::vector<const TUNE_SAMPLE_T*> all = Pointers(train);
    std::vector<double> scores = ScoreAll(all);
    r.k = BestK(all, scores);
    auto error_of = [&](size_t i, double score) {
        double d = all[i]->result - Expected(score, r.k);
        return d * d;
    };
    double train_sum = SquaredError(all, scores, r.k);
    auto total = [&] { return all.empty() ? 0 : train_sum / all.size(); };
    r.train_before = r.train_after = total();
    r.held_before = r.held_after = TuneError(held_out, r.k);

    // The positions whose score a parameter changes: few of them read any
    // one square or count, so each step is scored on those alone. Found
    // once, by a trial step over the positions of the parameter's stage.
    std::vector<std::vector<size_t>> reads(params.size());
    std::vector<std::vector<int>> up(params.size()), down(params.size());
    std::vector<const TUNE_SAMPLE_T*> stage[4];
    std::vector<size_t> index[4];  // their places in all
    for (size_t i = 0; i < all.size(); i++) {
        stage[all[i]->pos.stage & 3].push_back(all[i]);
        index[all[i]->pos.stage & 3].push_back(i);
    }
    for (size_t k = 0; k < params.size(); k++) {
        const TUNE_PARAM_T& p = params[k];
        for (int dir : {step, -step}) {
            std::vector<int>& add = dir > 0 ? up[k] : down[k];
            add.assign(p.entries.size(), dir);
            for (size_t i = 0; i < p.shape.size(); i++)
                add[i] = (int)std::lround(dir * p.shape[i]);
        }
        for (size_t i = 0; i < p.entries.size(); i++)
            new_coefficients[p.entries[i]] += up[k][i];
        std::vector<double> tried = ScoreAll(stage[p.stage & 3]);
        for (size_t i = 0; i < p.entries.size(); i++)
            new_coefficients[p.entries[i]] -= up[k][i];
        for (size_t j = 0; j < tried.size(); j++)
            if (tried[j] != scores[index[p.stage & 3][j]])
                reads[k].push_back(index[p.stage & 3][j]);
    }

    // The prior's pull, in the units of the error sum: the change a step
    // makes to prior x positions x the squared distance from the shipped weights.
    const double pull = settings.prior * all.size() / 1e8;
    auto pull_of = [&](const TUNE_PARAM_T& p, const std::vector<int>& add) {
        double d = 0;
        for (size_t i = 0; i < p.entries.size(); i++) {
            double was = new_coefficients[p.entries[i]] - orig_coefficients[p.entries[i]];
            d += (was + add[i]) * (was + add[i]) - was * was;
        }
        return pull * d;
    };

    std::vector<int> best(new_coefficients, new_coefficients + NUM_COEFFICIENTS);
    char line[200];
    int worse = 0;  // passes since the best held-out error
    int moves_made = 0;
    for (int pass = 1; pass <= settings.max_passes; pass++) {
        int moved = 0;
        for (size_t k = 0; k < params.size(); k++) {
            if (reads[k].empty() || reads[k].size() < settings.min_positions)
                continue;
            std::vector<const TUNE_SAMPLE_T*> some;
            for (size_t i : reads[k])
                some.push_back(all[i]);
            const TUNE_PARAM_T& p = params[k];
            for (const std::vector<int>* add : {&up[k], &down[k]}) {
                double cost = pull_of(p, *add);
                for (size_t i = 0; i < p.entries.size(); i++)
                    new_coefficients[p.entries[i]] += (*add)[i];
                std::vector<double> now = ScoreAll(some);
                double change = 0;
                for (size_t j = 0; j < some.size(); j++)
                    change += error_of(reads[k][j], now[j]) - error_of(reads[k][j], scores[reads[k][j]]);
                if (change + cost < 0) {
                    train_sum += change;
                    for (size_t j = 0; j < some.size(); j++)
                        scores[reads[k][j]] = now[j];
                    moved++;
                    break;
                }
                for (size_t i = 0; i < p.entries.size(); i++)
                    new_coefficients[p.entries[i]] -= (*add)[i];
            }
        }
        double held = TuneError(held_out, r.k);
        r.passes = pass;
        snprintf(line, sizeof line, "pass %d step %d: %d moves, training error %.6f, held-out error %.6f", pass,
                 step, moved, total(), held);
        if (settings.log)
            settings.log(line);
        moves_made += moved;
        if (held <= r.held_after) {
            r.moves = moves_made;
            r.held_after = held;
            r.train_after = total();
            std::copy(new_coefficients, new_coefficients + NUM_COEFFICIENTS, best.begin());
            worse = 0;
        } else if (++worse >= settings.patience) {
            // Past the best: what the training positions still teach does
            // not carry over to others.
            break;
        }
        if (moved == 0)
            break;
    }
    std::copy(best.begin(), best.end(), new_coefficients);
    return r;
}
