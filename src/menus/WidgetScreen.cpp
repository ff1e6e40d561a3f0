#include "menus/WidgetScreen.h"

#include "media/ResourceManager.h"
#include "menus/MenuSounds.h"

namespace {
SDL_Rect pointAt(int x, int y) {
    return SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
}
} // namespace

WidgetScreen::WidgetScreen() : Sprite(nullptr) {}

const Sprite* WidgetScreen::widget(const std::string& name) const {
    auto found = widgets.find(name);
    return found != widgets.end() ? found->second.get() : nullptr;
}

SDL_Rect WidgetScreen::startPosition(const std::string& name) const {
    auto found = startPositions.find(name);
    return found != startPositions.end() ? found->second : pointAt(0, 0);
}

SDL_Rect WidgetScreen::finalPosition(const std::string& name) const {
    auto found = finalPositions.find(name);
    return found != finalPositions.end() ? found->second : pointAt(0, 0);
}

void WidgetScreen::placeWidget(const std::string& name, int fromX, int fromY, int restX,
                               int restY) {
    startPositions[name] = pointAt(fromX, fromY);
    finalPositions[name] = pointAt(restX, restY);
}

void WidgetScreen::slideIn() {
    pressed.clear();
    for (auto& [name, sprite] : widgets) {
        const SDL_Rect start = startPosition(name);
        const SDL_Rect rest = finalPosition(name);
        sprite->setPosition(start.x, start.y);
        sprite->moveTo(rest.x, rest.y, SLIDE_TIME);
    }
}

void WidgetScreen::settleWidgets() {
    for (auto& [name, sprite] : widgets) {
        const SDL_Rect rest = finalPosition(name);
        sprite->setPosition(rest.x, rest.y);
    }
}

void WidgetScreen::slideOut() {
    for (auto& [name, sprite] : widgets) {
        const SDL_Rect start = startPosition(name);
        sprite->moveTo(start.x, start.y, SLIDE_TIME);
    }
    // Paced by the clock alone: however slow the frames, the screen is gone
    // at the first look after the slide time.
    const Uint32 begun = SDL_GetTicks();
    while (SDL_GetTicks() - begun < SLIDE_TIME)
        drawFrame();
}

void WidgetScreen::drawFrame() {
    paint(true);
}

void WidgetScreen::drawStill() {
    paint(false);
}

void WidgetScreen::paint(bool advanceMovement) {
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    for (auto& entry : widgets) {
        if (advanceMovement)
            entry.second->updateMovement();
        entry.second->draw();
    }
    SDL_Flip(target);
}

std::string WidgetScreen::widgetAt(int x, int y) const {
    std::string hit;
    for (const auto& [name, sprite] : widgets) {
        if (sprite->contains(x, y))
            hit = name;
    }
    return hit;
}

std::string WidgetScreen::selectWithPointer(const SDL_Event& event) {
    if (event.type != SDL_MOUSEBUTTONDOWN && event.type != SDL_MOUSEBUTTONUP)
        return std::string();
    const std::string hit = widgetAt(event.button.x, event.button.y);
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        ResourceManager::instance().playSound(MISS_SOUND, 1);
        pressed = hit;
        return std::string();
    }
    if (hit.empty() || hit != pressed)
        return std::string();
    pressed.clear();
    return hit;
}
