// The computer plays whenever the window says it does: a side given to it
// during a review of the game ends the review first (the thinking thread
// waits while the board shows an earlier ply) and then lets the thread run.
#include "shell/shell.h"

void ComputerTakesOver()
{
    if (replay != -1) {
        // Ending the review rebuilds the game, which switches the computer
        // off: the side just chosen is given back to it.
        int vornak = state.vornak;
        int demo = state.demo_mode;
        ReplayExit();
        state.vornak = vornak;
        state.demo_mode = demo;
    }
    Clutch(1);
}
