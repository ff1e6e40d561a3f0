#pragma once

#include "media/Sprite.h"

#include <map>
#include <memory>
#include <string>

// A menu screen: a sprite without a picture of its own that holds named
// widgets. The widgets fly in from their start positions when the screen is
// entered, are picked by pressing and releasing the pointer on them, and fly
// back out before the screen returns.
//
// Every walk over the widgets goes in ascending name order, so a widget whose
// name sorts later is drawn on top of, and wins the hit test against, one whose
// name sorts earlier.
class WidgetScreen : public Sprite {
public:
    // How long the widgets take to fly in or out.
    static constexpr Uint32 SLIDE_TIME = 600;

    // The widget of that name (null when there is none).
    const Sprite* widget(const std::string& name) const;
    // Where the widget waits off the screen, and where it rests while the
    // screen is in use; only x and y mean anything. (0, 0) for unknown names.
    SDL_Rect startPosition(const std::string& name) const;
    SDL_Rect finalPosition(const std::string& name) const;

protected:
    WidgetScreen();

    // Takes ownership of the widget and keeps it under the name.
    template <class Widget>
    Widget* addWidget(const std::string& name, std::unique_ptr<Widget> newWidget) {
        Widget* kept = newWidget.get();
        widgets[name] = std::move(newWidget);
        return kept;
    }
    // Both positions are worked out once, when the screen is built.
    void placeWidget(const std::string& name, int fromX, int fromY, int restX, int restY);

    // Sends every widget from its start position towards its final one and
    // forgets any pressed widget; the screen takes input at once.
    void slideIn();
    // Puts every widget at its final position at once.
    void settleWidgets();
    // Sends every widget from where it is back to its start position and draws
    // frames without pause until the slide time has passed.
    void slideOut();
    // One frame: black screen, every widget advanced and drawn, flip.
    void drawFrame();
    // The same without advancing the widgets' movement.
    void drawStill();

    // Press-and-release selection. Every press sounds like a missed shot and
    // remembers the widget under the pointer (or none); a release over that
    // same widget activates it. Returns the name of the activated widget, or
    // an empty name when the event activated nothing.
    std::string selectWithPointer(const SDL_Event& event);

private:
    void paint(bool advanceMovement);
    // The name of the last widget in name order under the point; empty for none.
    std::string widgetAt(int x, int y) const;

    std::map<std::string, std::unique_ptr<Sprite>> widgets;
    std::map<std::string, SDL_Rect> startPositions;
    std::map<std::string, SDL_Rect> finalPositions;
    // The widget the pointer went down on; empty for none.
    std::string pressed;
};
