#include "menus/MenuButton.h"

#include "media/ResourceManager.h"
#include "menus/StandInButton.h"

std::unique_ptr<MenuButton> makeMenuButton(const char* imageFile, const char* caption,
                                           int standInWidth, int standInHeight) {
    if (SDL_Surface* picture = ResourceManager::instance().loadImage(imageFile))
        return std::make_unique<MenuButton>(picture);
    SDL_Surface* standIn = drawStandInButton(caption, standInWidth, standInHeight);
    auto button = std::make_unique<MenuButton>(standIn); // keeps its own copy
    if (standIn != nullptr)
        SDL_FreeSurface(standIn);
    return button;
}
