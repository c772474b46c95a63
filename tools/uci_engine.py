"""A UCI engine (Stockfish) driven line by line, for the tools that ask it
to judge positions: tactics.py and label-positions.py."""
import subprocess


class UciEngine:
    def __init__(self, command, options=(), name="engine"):
        self.name = name
        try:
            self.p = subprocess.Popen([command], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                                      bufsize=1)
        except OSError as e:
            raise SystemExit("%s: cannot start %s: %s" % (name, command, e))
        self.send("uci")
        self.wait("uciok")
        for option in options:
            self.send("setoption name " + option)
        self.send("isready")
        self.wait("readyok")

    def send(self, text):
        self.p.stdin.write(text + "\n")
        self.p.stdin.flush()

    def wait(self, token):
        """The lines up to and with the first that starts with token."""
        lines = []
        while True:
            line = self.p.stdout.readline()
            if not line:
                raise SystemExit("%s: the engine stopped" % self.name)
            lines.append(line)
            if line.startswith(token):
                return lines

    def search(self, fen, depth):
        """Its output for the position searched to depth, to its bestmove."""
        self.send("position fen " + fen)
        self.send("go depth %d" % depth)
        return self.wait("bestmove")

    def quit(self):
        self.send("quit")
