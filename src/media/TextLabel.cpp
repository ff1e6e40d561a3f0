#include "media/TextLabel.h"

#include "app/Logger.h"
#include "media/ResourceManager.h"

TextLabel::TextLabel(int x, int y, const std::string& backgroundFile) : Sprite(nullptr) {
    setSurface(ResourceManager::instance().loadImage(backgroundFile));
    setPosition(x, y);
}

TextLabel::~TextLabel() {
    if (rendered != nullptr)
        SDL_FreeSurface(rendered);
}

void TextLabel::setText(const char* newText) {
    text = newText != nullptr ? newText : "";
    needsRender = true;
    dirty = true;
}

void TextLabel::setFont(const char* fontName) {
    font = fontName != nullptr ? fontName : "";
    needsRender = true;
    dirty = true;
}

void TextLabel::setColor(SDL_Color newColor) {
    color = newColor;
    needsRender = true;
    dirty = true;
}

void TextLabel::render() {
    if (needsRender) {
        if (rendered != nullptr)
            SDL_FreeSurface(rendered);
        rendered = nullptr;
        needsRender = false;
        TTF_Font* ttf = ResourceManager::instance().getFont(font.c_str());
        if (ttf == nullptr) {
            Logger::stream(0) << "ERROR: Can't render text with invalid font" << std::endl;
            return;
        }
        rendered = TTF_RenderText_Solid(ttf, text.c_str(), color);
    }
    if (rendered == nullptr) {
        Logger::stream(0) << "ERROR: Can't render text!" << std::endl;
        return;
    }
    const int width = getWidth();
    const int height = getHeight();
    SDL_Rect where{static_cast<Sint16>(rect.x - rendered->w / 2 + width / 2),
                   static_cast<Sint16>(rect.y - rendered->h / 2 + height / 2), 0, 0};
    const SDL_Rect whole = where;
    SDL_UpperBlit(rendered, nullptr, target, &where);
    // Text that sticks out of the label's own rectangle is pushed to the
    // display here; text inside it goes with the label's own refresh. A label
    // on a screen that flips whole frames pushes nothing itself.
    if (autoRefresh && (rendered->w > width || rendered->h > height))
        updateClipped(whole.x, whole.y, rendered->w, rendered->h);
}

void TextLabel::draw() {
    blit();
    render();
    if (autoRefresh)
        refresh();
}
