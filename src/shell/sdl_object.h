// The SDL object: owns the initialisation of SDL's timer service for the
// lifetime of SDL_main. The program opens no SDL window.
#pragma once

#include <SDL.h>

class SDL {
public:
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;

    explicit SDL(Uint32 flags);
    virtual ~SDL();
};

extern SDL* pSDL;
