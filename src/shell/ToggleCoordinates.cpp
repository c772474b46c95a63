// The coordinates beside the board, shown or hidden by N and the View menu.
#include "shell/shell.h"

#include <cstdio>

void ToggleCoordinates()
{
    CoordinatesOnOff = !CoordinatesOnOff;
    printf("\nCoordinates %s", CoordinatesOnOff ? "ON" : "OFF");
    ShowMessage(CoordinatesOnOff ? "coordinates shown (N hides them)" : "coordinates hidden (N shows them)");
}
