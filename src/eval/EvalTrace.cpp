// The evaluation trace: a full evaluation that records what every term
// contributed, for debugging the weights and as a tuner's input.
#include "eval/eval.h"

#include <cstdio>
#include <cstring>


ETYPE_T EvaluateTraced(POS_T* b, EVAL_TRACE_T* trace)
{
    memset(trace, 0, sizeof *trace);
    EVAL_TRACE_T* outer = eval_trace;
    eval_trace = trace;
    b->flags &= ~(FLAG_EVALUATED | FLAG_TACTICS_DONE);
    ETYPE_T v = Evaluate(b, NO_VALUE, 2);
    eval_trace = outer;
    return v;
}

const char* EvalTermName(int term)
{
    static const char* const names[EVAL_TERMS] = {
        "pawn square",       "pawn beside",       "pawn undefended", "pawn backward",    "pawn open",
        "passed row",        "passed kings",      "passed blocked",  "passed rooks",     "passed control",
        "passed neighbour",  "pawn unstoppable",  "passed minimum",  "pawn doubled",     "pawn isolated",
        "knight square",     "knight outpost",    "bishop outpost",  "bishop x-ray",     "rook square",
        "rook defended",     "queen sortie",      "king place",      "king castling",    "king shield",
        "material",          "king attack",       "king open column", "centre pawn blocked", "knight blocked",
        "bishop pair",       "opposite bishops",  "mating drive",    "tactics",          "pins",
        "board control",     "attacks",           "mobility",        "low mobility",     "safe mobility",
        "no safe move",      "overloaded",        "material correction"};
    return term >= 0 && term < EVAL_TERMS ? names[term] : "?";
}

void PrintEvalTrace(const EVAL_TRACE_T* trace)
{
    for (int t = 0; t < EVAL_TERMS; t++)
        if (trace->term[t])
            ConsolePrint("\n%-20s %8d", EvalTermName(t), trace->term[t]);
    ConsolePrint("\n%-20s %8d", "total", trace->total);
}
