#!/usr/bin/env python3
"""label-positions: replaces the game result of each plain position line with
Stockfish's judgement of the position, as White's expected score.

Reads lines "RULES<tab>POSITION<tab>RESULT" (what vornak-tune extract prints)
on standard input and writes them back with RESULT the logistic of
Stockfish's centipawns for White over 400 (mates count as 20 pawns).
Tri-dimensional lines, which Stockfish cannot read, pass unchanged.

The results of fast games say little about positional weights (a won game
has many poor positions, a drawn one many lopsided ones); a much stronger
engine's view of each position is a far less noisy target for vornak-tune
fit.

Example:
  vornak-tune extract games.txt | tools/label-positions.py --depth 10 >labelled.txt
"""

import argparse
import re
import sys

from uci_engine import UciEngine


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--depth", type=int, default=10, help="Stockfish's search depth a position")
    parser.add_argument("--engine", default="/usr/games/stockfish", help="the UCI engine that judges")
    args = parser.parse_args()
    if args.depth < 1:
        parser.error("--depth must be at least 1")

    engine = UciEngine(args.engine, ["Threads value 1"], "label-positions")
    for line in sys.stdin:
        parts = line.rstrip("\n").split("\t")
        if len(parts) != 3 or parts[1].startswith("3d"):
            sys.stdout.write(line)
            continue
        fen = parts[1]
        cp = None
        for out in engine.search(fen, args.depth):
            m = re.search(r"score (cp|mate) (-?\d+)", out)
            if m:
                v = int(m.group(2))
                cp = v if m.group(1) == "cp" else (2000 if v > 0 else -2000)
        if cp is None:
            continue  # no legal move: not a position to fit
        cp = max(-2000, min(2000, cp))
        if fen.split()[1] == "b":
            cp = -cp
        print("%s\t%s\t%.4f" % (parts[0], fen, 1 / (1 + 10 ** (-cp / 400))))
    engine.quit()


if __name__ == "__main__":
    main()
