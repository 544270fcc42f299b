// Owning handles for SDL, SDL_ttf and SDL_mixer objects: each is freed by
// its own function when the handle goes, also on the way out of an exception.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <memory>

namespace platform {

template <auto Free>
struct FreeWith {
    template <typename T>
    void operator()(T* object) const {
        Free(object);
    }
};

using WindowHandle = std::unique_ptr<SDL_Window, FreeWith<SDL_DestroyWindow>>;
using RendererHandle = std::unique_ptr<SDL_Renderer, FreeWith<SDL_DestroyRenderer>>;
using TextureHandle = std::unique_ptr<SDL_Texture, FreeWith<SDL_DestroyTexture>>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, FreeWith<SDL_FreeSurface>>;
using CursorHandle = std::unique_ptr<SDL_Cursor, FreeWith<SDL_FreeCursor>>;
using FontHandle = std::unique_ptr<TTF_Font, FreeWith<TTF_CloseFont>>;
using ChunkHandle = std::unique_ptr<Mix_Chunk, FreeWith<Mix_FreeChunk>>;

}  // namespace platform
