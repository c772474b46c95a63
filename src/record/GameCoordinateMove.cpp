// A move in coordinates for the game being played: the interface and tools
// name moves without the position they belong to.
#include "movegen/movegen.h"
#include "record/record.h"

std::string CoordinateMove(const MOVE_T* m)
{
    return CoordinateMove(m, state.dmode);
}
