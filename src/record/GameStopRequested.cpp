// The game's wish to end a running search.
#include "record/record.h"

bool GameStopRequested() { return state.stop_search || state.vornak == VORNAK_OFF; }
