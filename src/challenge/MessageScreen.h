#pragma once

#include <string>
#include <vector>

// A line of a message ends at a newline, at the end of the text, or at the
// first space after 20 characters; the newline or space is not shown. A line
// never holds more than 255 characters.
std::vector<std::string> cutMessageLines(const char* text);

// Shows a message on a black screen, with a red "Level %d" heading unless
// level is 0, and waits for a press.
void showMessage(const char* text, int level);
