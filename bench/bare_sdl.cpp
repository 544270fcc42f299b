// The floor for the game's CPU use: a window like a level window, cleared
// and presented 64 times a second with the same renderer settings and the
// same way of waiting, and nothing else. Runs for the seconds given.
#include <SDL.h>

#include <chrono>
#include <cstdlib>

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 20;
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Rect bounds;
    SDL_GetDisplayUsableBounds(0, &bounds);
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, bounds.w,
                                          bounds.h, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    SDL_SetWindowPosition(window, bounds.x, bounds.y);
    SDL_ShowWindow(window);

    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::nanoseconds(15'625'000);
    const auto start = Clock::now();
    auto next = start + period;
    while (Clock::now() - start < std::chrono::duration<double>(seconds)) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
        SDL_Event event;
        if (left.count() > 0 && SDL_WaitEventTimeout(&event, static_cast<int>(left.count()))) {
            if (event.type == SDL_QUIT) break;
            continue;
        }
        if (Clock::now() < next) continue;
        next += period;
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_RenderPresent(renderer);
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
}
