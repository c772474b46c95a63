// The coordinates beside the board, shown or hidden by N and the View menu.
#include "shell/shell.h"

#include <cstdio>

void ToggleCoordinates()
{
    CoordinatesOnOff = !CoordinatesOnOff;
    printf("\nCoordinates %s", CoordinatesOnOff ? "ON" : "OFF");
    ShowSetting(SETTING_COORDINATES);
}
