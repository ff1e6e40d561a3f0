#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <map>
#include <string>

// The one owner of shared media for the whole run: the display surface, pictures
// cached by file name, fonts by short name ("small", "default", "big") and sound
// effects by file name. Nothing it hands out is ever freed while the game runs.
class ResourceManager {
public:
    static ResourceManager& instance();

    void setScreen(SDL_Surface* display) { screen = display; }
    SDL_Surface* getScreen() const { return screen; }

    // The converted, cyan-keyed picture of that file, or null (logged).
    SDL_Surface* loadImage(const std::string& file);

    // Opens a font under a name; a null file means the game's brush font.
    bool loadFont(const char* name, const char* file, int size);
    // The font stored under the name; an unknown name gets the brush font at size 14.
    TTF_Font* getFont(const char* name);

    Mix_Chunk* loadSound(const std::string& file);
    bool playSound(const std::string& file, int times);

    // Raw drawing with a pixel value already in the target's format; a null
    // target means the display. Points outside the target are skipped.
    void drawPixel(int x, int y, Uint32 pixel, SDL_Surface* target = nullptr);
    void drawLine(int x1, int y1, int x2, int y2, Uint32 pixel, SDL_Surface* target = nullptr);

    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

private:
    ResourceManager() = default;

    SDL_Surface* screen = nullptr;
    std::map<std::string, SDL_Surface*> images;
    std::map<std::string, Mix_Chunk*> sounds;
    int volume = 64;
    std::map<std::string, TTF_Font*> fonts;
};

// The game's brush font, used for every text.
constexpr const char* DEFAULT_FONT_FILE = "fonts/artbrush.ttf";
