#pragma once

#include "Canvas.h"
#include "Mask.h"

#include <SDL_ttf.h>

#include <string>

namespace artgen {

// One TrueType/OpenType font at one size, closed when it goes out of scope.
class Font {
public:
    Font(const std::string& path, int size);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Anti-aliased coverage of the text, with `pad` empty pixels on every side
    // so outlines and shadows have room.
    Mask render(const std::string& text, int pad) const;

private:
    TTF_Font* font_;
};

// Where the ink of a mask is, in mask pixels; right and bottom are exclusive.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
InkBox inkBounds(const Mask& m);

struct TextStyle {
    Paint fill = solid(rgb(255, 255, 255));
    Colour outline = rgb(0, 0, 0);
    float outlineWidth = 0.0f;
    Colour shadow = rgb(0, 0, 0);
    int shadowOffset = 0; // down and right, 0 for none
};

// Paints text centred on (cx, cy): across by its ink, and up and down by the
// font's capital height, so words with and without descenders sit level.
void drawLabel(Canvas& canvas, const Font& font, const std::string& text, float cx, float cy,
               const TextStyle& style);

} // namespace artgen
