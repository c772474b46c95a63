// Rendering: the camera and its preset views, the display and reshape
// callbacks, and the colours of the board, the pieces and the status text.
#pragma once

#include <GL/gl.h>

void ResetView();
void Overhead();
void ToggleZeBlackView();  // 2-D games only
int* GetZAng();            // the turntable angle, degrees

void AdjustModelview();
void ReshapeMain(int width, int height);
void DisplayMain();

extern const GLfloat square_color_black[4], square_color_white[4], square_color_selected[4],
    piece_color_white[4], piece_color_black[4], color_red[4], color_orange[4], color_green[4],
    color_magenta[4], color_cyan[4], color_yellow[4], color_white[4];
