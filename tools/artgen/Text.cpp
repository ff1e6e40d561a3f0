#include "Text.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace artgen {

Font::Font(const std::string& path, int size) : font_(TTF_OpenFont(path.c_str(), size)) {
    if (font_ == nullptr) {
        throw std::runtime_error("cannot open font " + path + ": " + TTF_GetError());
    }
}

Font::~Font() {
    TTF_CloseFont(font_);
}

Mask Font::render(const std::string& text, int pad) const {
    const SDL_Color white{255, 255, 255, 0};
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface(
        TTF_RenderUTF8_Blended(font_, text.c_str(), white), SDL_FreeSurface);
    if (!surface || surface->format->BytesPerPixel != 4) {
        throw std::runtime_error("cannot render \"" + text + "\": " + TTF_GetError());
    }
    const SDL_PixelFormat& format = *surface->format;
    Mask out(surface->w + 2 * pad, surface->h + 2 * pad);
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(surface->pixels) + std::ptrdiff_t(y) * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            const Uint32 alpha = (row[x] & format.Amask) >> format.Ashift;
            out.at(x + pad, y + pad) = float(alpha) / 255.0f;
        }
    }
    return out;
}

InkBox inkBounds(const Mask& m) {
    InkBox box{m.width, m.height, 0, 0};
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            if (m.at(x, y) > 0.1f) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    return box;
}

void drawLabel(Canvas& canvas, const Font& font, const std::string& text, float cx, float cy,
               const TextStyle& style) {
    const int pad = int(style.outlineWidth) + style.shadowOffset + 2;
    const Mask mask = font.render(text, pad);
    const InkBox ink = inkBounds(mask);
    const InkBox capital = inkBounds(font.render("H", pad));
    const int left = int(cx - float(ink.left + ink.right) * 0.5f + 0.5f);
    const int top = int(cy - float(capital.top + capital.bottom) * 0.5f + 0.5f);
    if (style.outlineWidth > 0.0f) {
        const Mask outline = grown(mask, style.outlineWidth);
        if (style.shadowOffset > 0) {
            canvas.fill(outline, left + style.shadowOffset, top + style.shadowOffset,
                        solid(style.shadow));
        }
        canvas.fill(outline, left, top, solid(style.outline));
    } else if (style.shadowOffset > 0) {
        canvas.fill(mask, left + style.shadowOffset, top + style.shadowOffset, solid(style.shadow));
    }
    canvas.fill(mask, left, top, style.fill);
}

} // namespace artgen
