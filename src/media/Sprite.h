#pragma once

#include <SDL.h>

// The base of everything drawn: pictures, labels, buttons, targets and the
// screens themselves. A sprite owns a copy of its picture in the screen's pixel
// format, knows its rectangle, can glide to a new place over a given time, and
// can push just its own rectangle to the display.
class Sprite {
public:
    explicit Sprite(SDL_Surface* image);
    // Virtual so that an owner may delete any widget through a Sprite pointer.
    virtual ~Sprite();

    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    virtual void setPosition(int x, int y);
    virtual void draw();
    virtual void refresh();

    // Replaces the picture with a converted copy of image (null for none).
    void setSurface(SDL_Surface* image);
    int getWidth() const;
    int getHeight() const;

    void setCenter(int x, int y);
    // Hit test, inclusive of one pixel beyond the right and bottom edges.
    bool contains(int x, int y) const;

    void blit();
    void drawAt(int x, int y);
    void setAutoRefresh(bool on) { autoRefresh = on; }

    void moveTo(int x, int y, Uint32 milliseconds);
    void updateMovement();
    void update();

    const SDL_Rect& getRect() const { return rect; }
    bool isDirty() const { return dirty; }
    bool isMoving() const { return moveDuration != 0; }

    // Raw pixel access on surfaces of 1 to 4 bytes per pixel; no locking, no
    // bounds checks: callers pass points inside the surface.
    static Uint32 getPixel(SDL_Surface* surface, int x, int y);
    static void putPixel(SDL_Surface* surface, int x, int y, Uint32 pixel);
    // Nearest-neighbour copy at a new size with cyan as its colour key; the
    // caller owns the result. Null for a null source or a zero size.
    static SDL_Surface* scaleSurface(SDL_Surface* source, unsigned width, unsigned height);

protected:
    void placeAt(int x, int y);
    // Pushes a rectangle to the display, cut to the target's edges.
    void updateClipped(int x, int y, int w, int h);

    SDL_Surface* target;
    SDL_Rect rect;
    bool dirty;
    SDL_Surface* surface;
    int destX = 0;
    int destY = 0;
    int startX = 0;
    int startY = 0;
    Uint32 moveDuration;
    Uint32 moveStart = 0;
    bool autoRefresh;
};
