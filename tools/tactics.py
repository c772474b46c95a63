#!/usr/bin/env python3
"""Picks tactical test positions out of PGN files with Stockfish.

A position qualifies when Stockfish's best move is at least two pawns better
than its second choice and the second choice is not already winning (less
than 1.5 pawns): there is one move to find. Writes EPD lines with `bm` in
coordinates, which `vornak-analyse --epd FILE --time 2` reads.

  tools/tactics.py --count 32 --seed 5 docs/*.pgn > tactics.epd

Needs pgn-extract and stockfish (Debian's packages, in /usr/games).
"""
import argparse
import random
import subprocess

from uci_engine import UciEngine


def positions(pgn_files):
    out = subprocess.run(["pgn-extract", "-Wepd", "-s"] + pgn_files, capture_output=True, text=True,
                         check=True).stdout
    # The placement, side, castling and en-passant fields; the counters are reset.
    return sorted({" ".join(line.split()[:4]) for line in out.splitlines() if line.strip()})


def two_best(engine, fen, depth):
    """The last scores and first moves of lines 1 and 2, in centipawns."""
    best = {}
    for line in engine.search(fen, depth):
        t = line.split()
        if "multipv" not in t or "score" not in t or "pv" not in t:
            continue
        kind, value = t[t.index("score") + 1], int(t[t.index("score") + 2])
        if kind == "mate":
            value = 100000 if value > 0 else -100000
        best[int(t[t.index("multipv") + 1])] = (value, t[t.index("pv") + 1])
    return best.get(1), best.get(2)


def main():
    parser = argparse.ArgumentParser(description="Picks tactical positions out of PGN files.")
    parser.add_argument("pgn", nargs="+")
    parser.add_argument("--count", type=int, default=32)
    parser.add_argument("--seed", type=int, default=5)
    parser.add_argument("--depth", type=int, default=16)
    parser.add_argument("--stockfish", default="/usr/games/stockfish")
    args = parser.parse_args()
    candidates = positions(args.pgn)
    random.Random(args.seed).shuffle(candidates)
    engine = UciEngine(args.stockfish, ["MultiPV value 2"], "tactics")
    found = 0
    for fen4 in candidates:
        if found >= args.count:
            break
        first, second = two_best(engine, fen4 + " 0 1", args.depth)
        if not first or not second:
            continue
        if first[0] - second[0] >= 200 and second[0] < 150 and first[0] >= 150:
            found += 1
            print('%s bm %s; id "t%d"; c0 "stockfish %d, second %d";' % (fen4, first[1], found, first[0], second[0]),
                  flush=True)


if __name__ == "__main__":
    main()
