#pragma once

#include <SDL.h>

#include <string>

// What a key code does to the name being typed: 13 ends the entry, 8 removes
// the last character, 0 (no key) and the other control codes (1 to 31 and
// 127) do nothing, any other code is appended as one byte. Control codes are
// kept out so that a name always stays one line of printable text.
enum class NameEdit { Continue, End };
NameEdit applyKeyCode(std::string& name, Uint8 code);

// The name entry screen: the on-screen keyboard along the bottom edge and the
// name typed so far in large red letters above it. Each entry starts from the
// name the previous one returned, so a player who ranks again finds their name
// already there.
class NameEntry {
public:
    // Runs the screen until the end key, a quit request or a missing key map,
    // and returns the name.
    std::string run();

    const std::string& rememberedName() const { return name; }

private:
    std::string name;
};
