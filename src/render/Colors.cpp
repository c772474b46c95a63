// The colour table of the board, the pieces and the status text.
#include "render/render.h"

const GLfloat square_color_black[4] = {0.45f, 0.45f, 0.45f, 0.0f};
const GLfloat square_color_white[4] = {0.65f, 0.65f, 0.65f, 0.0f};
const GLfloat square_color_selected[4] = {1.0f, 0.25f, 0.0f, 0.0f};
const GLfloat piece_color_white[4] = {0.9f, 0.9f, 0.7f, 0.0f};
const GLfloat piece_color_black[4] = {0.6f, 0.6f, 0.8f, 0.0f};
const GLfloat color_red[4] = {1.0f, 0.0f, 0.0f, 0.0f};
const GLfloat color_orange[4] = {1.0f, 0.5f, 0.0f, 0.0f};
const GLfloat color_green[4] = {0.0f, 1.0f, 0.0f, 0.0f};
const GLfloat color_magenta[4] = {1.0f, 0.0f, 1.0f, 0.0f};
const GLfloat color_cyan[4] = {0.2f, 0.8f, 0.0f, 0.0f};
const GLfloat color_yellow[4] = {1.0f, 1.0f, 0.0f, 0.0f};
const GLfloat color_white[4] = {1.0f, 1.0f, 1.0f, 0.0f};
const GLfloat color_last_move[4] = {0.2f, 0.6f, 1.0f, 0.0f};
const GLfloat color_hint[4] = {1.0f, 0.6f, 0.0f, 0.0f};
