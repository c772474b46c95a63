// The idle callback: hands autoplay's side over to the side to move and
// performs the redisplays that other threads asked for.
#include "shell/shell.h"

#include <GL/freeglut.h>

#include <chrono>
#include <thread>

void VornakIdleFunc()
{
    std::unique_lock<std::recursive_mutex> hold(game_lock);
    POS_T* b = &state.position;
    // Whatever gave the computer a side during a review, it plays.
    if (replay != -1 && (state.demo_mode || state.vornak != VORNAK_OFF))
        ComputerTakesOver();
    if (state.demo_mode && b->winner == 0 && NextToPlay(b) != state.vornak) {
        state.stop_search = 1;
        state.vornak = NextToPlay(b);
    }
    // The current window may be one the close box destroyed.
    if (redisplay_requested.exchange(false)) {
        glutSetWindow(mainWindow);
        glutPostRedisplay();
    }
    // GLUT calls this again at once: without a pause it would spin a core.
    // The pause is taken without the game, which the thinking thread needs.
    hold.unlock();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}
