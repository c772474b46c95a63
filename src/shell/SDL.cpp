// The SDL object.
#include "shell/sdl_object.h"

SDL::SDL(Uint32 flags)
{
    SDL_Init(flags);
}

SDL::~SDL()
{
    if (m_renderer)
        SDL_DestroyRenderer(m_renderer);
    if (m_window)
        SDL_DestroyWindow(m_window);
    SDL_Quit();
}
