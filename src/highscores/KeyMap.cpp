#include "highscores/KeyMap.h"

#include <cstring>

KeyMapView keyMapViewOf(const SDL_Surface* map) {
    KeyMapView view;
    if (map == nullptr || map->format == nullptr || map->pixels == nullptr)
        return view;
    view.pixels = static_cast<const Uint8*>(map->pixels);
    view.width = map->w;
    view.height = map->h;
    view.pitch = map->pitch;
    view.bytesPerPixel = map->format->BytesPerPixel;
    view.alphaMask = map->format->Amask;
    return view;
}

Uint32 keyMapValueAt(const KeyMapView& map, int column, int line) {
    const int size = map.bytesPerPixel;
    if (map.pixels == nullptr || size < 1 || size > 4)
        return 0;
    // A row may be padded but never shorter than its pixels: trust the pitch
    // only as far as it reaches.
    const int columnsInRow = map.pitch / size;
    if (column < 0 || line < 0 || column >= map.width || column >= columnsInRow ||
        line >= map.height)
        return 0;
    const Uint8* where = map.pixels + static_cast<long>(line) * map.pitch + column * size;
    if (size == 4) {
        Uint32 value;
        std::memcpy(&value, where, sizeof value);
        return value & ~map.alphaMask;
    }
    Uint32 value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<Uint32>(where[i]) << (8 * i);
    return value & ~map.alphaMask;
}

Uint8 keyCodeOf(Uint32 value) {
    for (int shift = 0; shift < 32; shift += 8) {
        const Uint8 byte = static_cast<Uint8>(value >> shift);
        if (byte != 0)
            return byte;
    }
    return 0;
}
