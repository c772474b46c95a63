// The help drawn over the window (H, F1): the mouse, the keys, the attack
// boards and what the two rule sets allow them.
#include "render/render.h"

const std::vector<std::string>& HelpOverlayLines()
{
    static const std::vector<std::string> lines = {
        "HELP  (H or F1 hides it; the console keeps the key list)",
        "",
        "Mouse: click a piece, then a square it may go to. Its legal moves are",
        "  green, captures magenta. Right button: the menus.",
        "Attack boards: click a board's post or its rim, then a yellow marker: the",
        "  markers are the pins it may reach. Only its owner moves a board,",
        "  and only while it carries at most one piece.",
        "  Tournament rules: a board with a passenger moves only the way the",
        "  passenger goes forward (or across to the other side).",
        "  TDCL rules: as tournament for a pawn; a board carrying another piece",
        "  may move either way.",
        "Marks: blue frames the last move, orange the hint.",
        "",
        "I hint    M move list    U undo    F7 / F8 review back / forward",
        "B / W computer plays Black / White    F9 autoplay    F10 full stop",
        "D difficulty    T clock    S / R save / restore    L list the game",
        "  (a name ending in .pgn or .tdr saves or reads a game as text)",
        "P set up a position from a FEN or 3d line    Y print the position",
        "F2 / F3 new plain / tri-dimensional game    Q or Esc quit",
        "Arrows turn    Page Up / Down zoom    O from above    V reset view",
        "N coordinates: files, ranks, levels and pins",
        "Z black view (plain game)    X transparency    C captured    A axes",
    };
    return lines;
}
