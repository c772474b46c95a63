#!/usr/bin/env python3
"""match3d: games between two builds of vornak-analyse, in either game.

The tri-dimensional game has no engine protocol, so each engine is given the
position and asked for one move; vornak-play keeps the game, checks every
move and says when it is mate or stalemate. Threefold repetition (of the
position line without its move counters), the fifty-move count and
--max-plies end a game as a draw. Each opening (random legal plies from the
start, from --seed) is played once with each colour, and under each rule set
asked for.

Example:
  tools/match3d.py --games 40 --depth 4 --play build/vornak-play \\
      build/vornak-analyse old/vornak-analyse
"""

import argparse
import math
import random
import subprocess
import sys

TRI_START = ("3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn "
             "w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb")
PLAIN_START = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"


def play(tool, rules, position, moves):
    """The position after the moves, its status and legal moves, or None."""
    out = subprocess.run([tool, "--rules", rules, position] + moves, capture_output=True, text=True)
    if out.returncode != 0:
        return None
    info = {}
    for line in out.stdout.splitlines():
        key, _, rest = line.partition(" ")
        info[key] = rest
    return info["position"], info["status"], info.get("moves", "").split()


def repetition_key(position):
    f = position.split()
    if f[0] == "3d":
        return " ".join(f[1:5] + f[7:])
    return " ".join(f[0:4])


def halfmoves(position):
    f = position.split()
    return int(f[5] if f[0] == "3d" else f[4])


def best_move(engine, rules, limit, position):
    cmd = engine.split() + ["--rules", rules] + limit + [position]
    out = subprocess.run(cmd, capture_output=True, text=True)
    for line in reversed(out.stdout.splitlines()):
        if line.startswith("bestmove "):
            move = line.split()[1]
            return None if move == "(none)" else move
    return None


def play_game(args, white, black, rules, opening, positions):
    """1, 0.5 or 0 for White, and why; every position met goes to positions."""
    position, status, legal = play(args.play, rules, args.start, opening)
    seen = {repetition_key(position): 1}
    positions.append(position)
    for ply in range(args.max_plies):
        if status == "checkmate":
            return (0 if position.split()[2 if position.startswith("3d") else 1] == "w" else 1), "mate"
        if status == "stalemate":
            return 0.5, "stalemate"
        if halfmoves(position) >= 100:
            return 0.5, "fifty moves"
        white_to_move = position.split()[2 if position.startswith("3d") else 1] == "w"
        engine = white if white_to_move else black
        move = best_move(engine, rules, args.limit, position)
        after = play(args.play, rules, position, [move]) if move else None
        if after is None:
            return (0 if white_to_move else 1), "no legal move from %s: %s" % (engine, move)
        position, status, legal = after
        positions.append(position)
        key = repetition_key(position)
        seen[key] = seen.get(key, 0) + 1
        if seen[key] >= 3:
            return 0.5, "repetition"
    return 0.5, "ply limit"


def elo(score, games):
    """Elo difference and its 95% error bar from a score fraction."""
    if games == 0 or score <= 0 or score >= 1:
        return float("nan"), float("nan")
    diff = -400 * math.log10(1 / score - 1)
    sd = math.sqrt(score * (1 - score) / games)
    lo, hi = score - 1.96 * sd, score + 1.96 * sd
    bound = lambda s: -400 * math.log10(1 / min(max(s, 1e-6), 1 - 1e-6) - 1)
    return diff, (bound(hi) - bound(lo)) / 2


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("engine1", help="command line of the first vornak-analyse")
    parser.add_argument("engine2", help="command line of the second vornak-analyse")
    parser.add_argument("--games", type=int, default=2)
    parser.add_argument("--depth", type=int, help="plies a move (else --time)")
    parser.add_argument("--time", type=float, default=1, help="seconds a move (fractions allowed)")
    parser.add_argument("--rules", default="both", choices=["tdcl", "tournament", "both"])
    parser.add_argument("--plain", action="store_true", help="play the plain game instead")
    parser.add_argument("--opening-plies", type=int, default=4)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--max-plies", type=int, default=300)
    parser.add_argument("--play", default="build/vornak-play", help="the vornak-play that keeps the games")
    parser.add_argument("--positions", help="file to add every position to, with the game's result, for tuning")
    args = parser.parse_args()
    args.start = PLAIN_START if args.plain else TRI_START
    args.limit = ["--depth", str(args.depth)] if args.depth else ["--movetime", str(max(1, round(args.time * 1000)))]
    rule_sets = ["tdcl", "tournament"] if args.rules == "both" else [args.rules]
    rng = random.Random(args.seed)
    points = 0.0
    for g in range(args.games):
        pair = g // 2
        rules = rule_sets[pair % len(rule_sets)]
        if g % 2 == 0:
            opening = []
            for _ in range(args.opening_plies):
                position, status, legal = play(args.play, rules, args.start, opening)
                if status != "playing":
                    break
                opening.append(rng.choice(legal))
        first_white = g % 2 == 0
        white, black = (args.engine1, args.engine2) if first_white else (args.engine2, args.engine1)
        positions = []
        result, why = play_game(args, white, black, rules, opening, positions)
        if args.positions:
            # The rules go along: they decide which attack-board moves exist.
            with open(args.positions, "a") as out:
                for position in positions:
                    out.write("%s\t%s\t%g\n" % (rules, position, result))
        mine = result if first_white else 1 - result
        points += mine
        print("game %d %s %s engine1 %s: %s (%s); engine1 %.1f/%d" %
              (g + 1, rules, " ".join(opening), "white" if first_white else "black",
               {1: "won", 0.5: "drew", 0: "lost"}[mine], why, points, g + 1), flush=True)
    diff, err = elo(points / args.games, args.games) if args.games else (float("nan"), float("nan"))
    print("engine1 %.1f - %.1f engine2 over %d games, %+.0f +/- %.0f Elo" %
          (points, args.games - points, args.games, diff, err))


if __name__ == "__main__":
    sys.exit(main())
