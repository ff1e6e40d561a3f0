#pragma once

#include "media/Sprite.h"

#include <string>

// One line of text in a named font and colour, centred on the label's optional
// background picture or, without one, on the label's position. The text is
// rendered again only after a setter has changed something.
class TextLabel : public Sprite {
public:
    TextLabel(int x, int y, const std::string& backgroundFile);
    ~TextLabel() override;

    void setText(const char* newText);
    void setFont(const char* fontName);
    void setColor(SDL_Color newColor);

    // Brings the rendering up to date and blits it; the caller flips or updates.
    void render();
    void draw() override;

    const std::string& getText() const { return text; }

private:
    std::string text;
    std::string font = "default";
    SDL_Color color{255, 255, 255, 0};
    SDL_Surface* rendered = nullptr;
    bool needsRender = false;
};
