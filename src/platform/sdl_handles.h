#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <memory>

namespace olvane::platform
{

/// Owners for what SDL hands out, so nothing is freed by hand.
struct SdlDeleter
{
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }

    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }

    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }

    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }

    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }

    void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); }
};

using SurfacePtr = std::unique_ptr<SDL_Surface, SdlDeleter>;
using WindowPtr = std::unique_ptr<SDL_Window, SdlDeleter>;
using RendererPtr = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TexturePtr = std::unique_ptr<SDL_Texture, SdlDeleter>;
using FontPtr = std::unique_ptr<TTF_Font, SdlDeleter>;
using ChunkPtr = std::unique_ptr<Mix_Chunk, SdlDeleter>;

} // namespace olvane::platform
