#!/usr/bin/env python3
"""referee: plays games between two xboard (CECP) engines.

Each engine is a command line. Games alternate colours and, when openings are
given, each opening is played once with each colour so that the games differ.
Every move goes through an arbiter (vornak-xboard in force mode) that refuses
illegal moves and announces mate, stalemate, threefold repetition and the
fifty-move rule; an engine's own result claim ends the game too, and is noted
as confirmed or not. Games still running after --max-plies are drawn.

Example:
  tools/referee.py --games 20 --st 1 --arbiter build-x/vornak-xboard \\
      --pgn match.pgn build-x/vornak-xboard fairymax
"""

import argparse
import datetime
import os
import queue
import re
import shlex
import subprocess
import sys
import threading
import time

# Balanced openings a few plies deep, as moves from the start position, so
# that every engine can be given them (not all take setboard) and the
# repetition history is whole. Each is played once with each colour.
OPENINGS = [
    ("Italian", "e2e4 e7e5 g1f3 b8c6 f1c4 f8c5"),
    ("Queen's Gambit Declined", "d2d4 d7d5 c2c4 e7e6 b1c3 g8f6"),
    ("Sicilian", "e2e4 c7c5 g1f3 d7d6"),
    ("French", "e2e4 e7e6 d2d4 d7d5"),
    ("Caro-Kann", "e2e4 c7c6 d2d4 d7d5"),
    ("English", "c2c4 e7e5 b1c3 g8f6"),
    ("King's Indian", "d2d4 g8f6 c2c4 g7g6 b1c3 f8g7"),
    ("Ruy Lopez", "e2e4 e7e5 g1f3 b8c6 f1b5 a7a6"),
    ("Slav", "d2d4 d7d5 c2c4 c7c6"),
    ("Scandinavian", "e2e4 d7d5 e4d5 d8d5 b1c3 d5a5"),
]

RESULT_RE = re.compile(r"^(1-0|0-1|1/2-1/2)\s*(\{.*\})?")
MOVE_RE = re.compile(r"^[a-h][1-8][a-h][1-8][qrbn]?$")


class Engine:
    """One xboard engine process; lines are read by a thread into a queue."""

    def __init__(self, command, name, log):
        self.name = name
        self.log = log
        self.proc = subprocess.Popen(shlex.split(command), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.lines = queue.Queue()
        self.features = {}
        threading.Thread(target=self._read, daemon=True).start()
        self.send("xboard")
        self.send("protover 2")
        self._wait_features()

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.rstrip("\r\n"))
        self.lines.put(None)

    def send(self, text):
        if self.log:
            self.log.write("> %s: %s\n" % (self.name, text))
        try:
            self.proc.stdin.write(text + "\n")
            self.proc.stdin.flush()
        except (BrokenPipeError, OSError):
            pass

    def read(self, timeout):
        """The next line, or None when the engine is gone or silent too long."""
        try:
            line = self.lines.get(timeout=max(timeout, 0.01))
        except queue.Empty:
            return None
        if self.log and line is not None:
            self.log.write("< %s: %s\n" % (self.name, line))
        return line

    def _wait_features(self):
        # Engines of protocol 1 never answer; two seconds of silence will do.
        deadline = time.time() + 2.0
        while time.time() < deadline:
            line = self.read(deadline - time.time())
            if line is None:
                return
            if line.startswith("feature"):
                for key, value in re.findall(r'(\w+)=("[^"]*"|\S+)', line):
                    self.features[key] = value.strip('"')
                    if key not in ("done",):
                        self.send("accepted " + key)
                if self.features.get("done") == "1":
                    return

    def sync(self, timeout=30):
        """Waits for the engine to have read everything sent (ping/pong)."""
        if self.features.get("ping") != "1":
            time.sleep(0.2)
            return []
        self.send("ping 1")
        extra = []
        deadline = time.time() + timeout
        while time.time() < deadline:
            line = self.read(deadline - time.time())
            if line is None or line.startswith("pong"):
                return extra
            extra.append(line)
        return extra

    def move_text(self, move):
        return ("usermove " if self.features.get("usermove") == "1" else "") + move

    def quit(self):
        self.send("quit")
        try:
            self.proc.wait(timeout=3)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def castling_as_king_move(move, side):
    """Some engines write castling as O-O; the others read the king's move."""
    rank = "1" if side == "w" else "8"
    short = {"O-O": "g", "0-0": "g", "O-O-O": "c", "0-0-0": "c"}
    if move in short:
        return "e" + rank + short[move] + rank
    return move


def parse_result(line):
    m = RESULT_RE.match(line)
    if not m:
        return None
    return m.group(1), (m.group(2) or "{}")[1:-1]


def play_game(white_cmd, black_cmd, names, arbiter_cmd, opening, st, level, max_plies, log, setups=((), ()),
              ponder=False):
    """Plays one game from the opening moves; returns (result, reason, moves).
    setups: extra xboard commands for White and for Black, sent after the clock.
    ponder: both engines are told "hard" and, as xboard does, an engine once
    told "go" gets the opponent's moves in play mode, so it may think on the
    opponent's time, and is told the clocks before each move."""
    white = Engine(white_cmd, names[0], log)
    black = Engine(black_cmd, names[1], log)
    arbiter = Engine(arbiter_cmd, "arbiter", log) if arbiter_cmd else None
    engines = {"w": white, "b": black}
    players = [(white, setups[0]), (black, setups[1])] + ([(arbiter, ())] if arbiter else [])
    for e, setup in players:
        e.send("new")
        e.send("force")
        e.send("level %s" % level if level else "st %d" % st)
        e.send("hard" if ponder else "easy")
        for command in setup:
            e.send(command)
        for move in opening:
            e.send(e.move_text(move))
        e.sync()
    to_move = "w" if len(opening) % 2 == 0 else "b"
    moves = list(opening)
    result = None
    if arbiter:
        for line in arbiter.sync():
            if line.startswith("Illegal move"):
                raise SystemExit("referee: the opening has an illegal move: " + line)
    # When pondering on an incremental clock, each engine is told both clocks
    # ("time", "otim", centiseconds) before it moves, as xboard tells them;
    # a mover's clock loses the time from its cue to its move.
    mps, base, inc = level_parts(level) if level else (None, 0, 0)
    clocks = {"w": base, "b": base} if ponder and mps == 0 else None

    def tell_clocks(side):
        if clocks:
            other_side = "b" if side == "w" else "w"
            engines[side].send("time %d" % max(1, round(clocks[side] * 100)))
            engines[side].send("otim %d" % max(1, round(clocks[other_side] * 100)))

    tell_clocks(to_move)
    engines[to_move].send("go")
    cued = time.time()
    playing = {to_move}  # the engines in play mode
    try:
        while result is None:
            if len(moves) >= max_plies:
                result = ("1/2-1/2", "Adjudicated draw after %d plies" % max_plies)
                break
            mover = engines[to_move]
            other = engines["b" if to_move == "w" else "w"]
            # Generous: a move is forfeited only far beyond the time given.
            deadline = time.time() + (level_seconds(level) if level else st * 5) + 10
            move = None
            while move is None and result is None:
                line = mover.read(deadline - time.time())
                if line is None:
                    loser = "White" if to_move == "w" else "Black"
                    result = ("0-1" if to_move == "w" else "1-0", "%s (%s) forfeits: no move" % (loser, mover.name))
                    break
                words = line.split()
                if len(words) >= 2 and words[0] == "move":
                    move = castling_as_king_move(words[1], to_move)
                elif len(words) >= 3 and words[1] == "..." and MOVE_RE.match(words[2]):
                    move = words[2]  # old protocol
                elif words and words[0] == "resign":
                    result = ("0-1" if to_move == "w" else "1-0", "%s resigns" % mover.name)
                elif parse_result(line):
                    claim = parse_result(line)
                    result = check_claim(arbiter, claim, mover.name)
                elif line.startswith("Illegal move"):
                    pass  # a complaint about a move it was sent: the arbiter decides
            if result is not None or move is None:
                break
            if clocks:
                clocks[to_move] += inc - (time.time() - cued)
            if arbiter:
                arbiter.send(arbiter.move_text(move))
                for line in arbiter.sync():
                    if line.startswith("Illegal move"):
                        loser = "White" if to_move == "w" else "Black"
                        result = ("0-1" if to_move == "w" else "1-0",
                                  "%s (%s) played the illegal move %s" % (loser, mover.name, move))
                    elif parse_result(line):
                        result = parse_result(line)
            moves.append(move)
            if result is not None:
                break
            # Each engine thinks only when told to: the one that just moved
            # is in play mode, so force mode comes first. When pondering, an
            # engine in play mode answers the move by itself.
            other_side = "b" if to_move == "w" else "w"
            if ponder and other_side in playing:
                tell_clocks(other_side)
                other.send(other.move_text(move))
                cued = time.time()
            else:
                other.send("force")
                other.send(other.move_text(move))
            # The mover may announce the result right after its move.
            to_move = "b" if to_move == "w" else "w"
            while True:
                line = mover.read(0.05)
                if line is None:
                    break
                if parse_result(line) and result is None:
                    result = check_claim(arbiter, parse_result(line), mover.name)
            if result is None and not (ponder and to_move in playing):
                tell_clocks(to_move)
                engines[to_move].send("go")
                cued = time.time()
                if ponder:
                    playing.add(to_move)
    finally:
        for e in (white, black):
            if result:
                e.send("result %s {%s}" % result)
        for e in (white, black) + ((arbiter,) if arbiter else ()):
            e.quit()
    return result[0], result[1], moves


def check_claim(arbiter, claim, claimant):
    """An engine's claim: confirmed when the arbiter sees the game ended too."""
    if not arbiter:
        return claim
    extra = arbiter.sync()
    for line in extra:
        if parse_result(line):
            return parse_result(line)
    return claim[0], "%s (claimed by %s, not confirmed by the arbiter)" % (claim[1], claimant)


def pgn_moves(moves):
    side, number = "w", 1
    out = []
    for m in moves:
        if side == "w":
            out.append("%d. %s" % (number, m))
        else:
            if not out:
                out.append("%d... %s" % (number, m))
            else:
                out.append(m)
            number += 1
        side = "b" if side == "w" else "w"
    return " ".join(out)


def level_parts(level):
    """An xboard level ("MPS BASE INC", BASE in minutes or minutes:seconds) as
    (moves per session, base seconds, increment seconds)."""
    mps, base, inc = level.split()
    minutes, _, seconds = base.partition(":")
    return int(mps), int(minutes) * 60 + (int(seconds) if seconds else 0), float(inc)


def level_seconds(level):
    """A bound in seconds no single move of a game on the level's clock can pass."""
    _, base, inc = level_parts(level)
    return base + 5 * inc


def main():
    parser = argparse.ArgumentParser(description="Plays games between two xboard engines.")
    parser.add_argument("engine1", help="command line of the first engine")
    parser.add_argument("engine2", help="command line of the second engine")
    parser.add_argument("--games", type=int, default=2)
    parser.add_argument("--st", type=int, default=1, help="seconds per move")
    parser.add_argument("--level", help='a game clock instead of --st, as xboard\'s level: "MPS BASE INC"')
    parser.add_argument("--max-plies", type=int, default=200, help="draw adjudicated after this many plies")
    parser.add_argument("--openings", default="builtin",
                        help='"builtin" (each opening with both colours), "none" (the start position), '
                             "or a file of openings, one line of coordinate moves each")
    parser.add_argument("--arbiter", help="an xboard engine that checks moves and results (vornak-xboard)")
    parser.add_argument("--names", help="names of the engines, comma separated")
    parser.add_argument("--pgn", help="PGN file to write")
    parser.add_argument("--log", help="file for the whole protocol conversation")
    parser.add_argument("--ponder", action="store_true",
                        help='tell both engines "hard" and let them think on the opponent\'s time')
    parser.add_argument("--setup2", default="",
                        help='xboard commands for the second engine after the clock, ";" between them '
                             '(for example "sd 1" to hold it to one ply)')
    args = parser.parse_args()

    setup2 = [c.strip() for c in args.setup2.split(";") if c.strip()]
    names = args.names.split(",") if args.names else [os.path.basename(shlex.split(c)[0])
                                                      for c in (args.engine1, args.engine2)]
    if args.openings == "builtin":
        openings = OPENINGS
    elif args.openings == "none":
        openings = [("Start", "")]
    else:
        with open(args.openings) as f:
            openings = [("Opening %d" % (i + 1), l.strip()) for i, l in enumerate(f) if l.strip()]
    openings = [(name, moves.split()) for name, moves in openings]
    for _, moves in openings:
        for m in moves:
            if not MOVE_RE.match(m):
                sys.exit("referee: not a coordinate move: " + m)
    log = open(args.log, "w", buffering=1) if args.log else None
    pgn = open(args.pgn, "w") if args.pgn else None
    score = [0.0, 0.0]
    tally = {"1-0": 0, "0-1": 0, "1/2-1/2": 0}
    for g in range(args.games):
        opening_name, opening = openings[(g // 2) % len(openings)]
        first_white = g % 2 == 0
        cmds = (args.engine1, args.engine2) if first_white else (args.engine2, args.engine1)
        game_names = (names[0], names[1]) if first_white else (names[1], names[0])
        setups = ((), setup2) if first_white else (setup2, ())
        started = time.time()
        result, reason, moves = play_game(cmds[0], cmds[1], game_names, args.arbiter, opening, args.st,
                                          args.level, args.max_plies, log, setups, args.ponder)
        if result == "1/2-1/2":
            score[0] += 0.5
            score[1] += 0.5
        else:
            white_won = result == "1-0"
            winner = 0 if white_won == first_white else 1
            score[winner] += 1
        tally[result] += 1
        print("Game %d: %s - %s  %s {%s}  %d plies, %.0f s, %s" % (
            g + 1, game_names[0], game_names[1], result, reason, len(moves), time.time() - started,
            opening_name))
        print("  " + pgn_moves(moves))
        print("  Score %s %.1f - %.1f %s" % (names[0], score[0], score[1], names[1]))
        sys.stdout.flush()
        if pgn:
            pgn.write('[Event "Referee match"]\n[Site "%s"]\n[Date "%s"]\n[Round "%d"]\n'
                      '[White "%s"]\n[Black "%s"]\n[Result "%s"]\n[Opening "%s"]\n[TimeControl "%s"]\n'
                      % (os.uname().nodename, datetime.date.today().strftime("%Y.%m.%d"), g + 1,
                         game_names[0], game_names[1], result, opening_name,
                         "level " + args.level if args.level else "%d/move" % args.st))
            pgn.write("\n%s {%s} %s\n\n" % (pgn_moves(moves), reason, result))
            pgn.flush()
    print("Final score: %s %.1f - %.1f %s  (%d games, %d draws)" % (
        names[0], score[0], score[1], names[1], args.games, tally["1/2-1/2"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
