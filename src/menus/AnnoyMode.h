#pragma once

#include <map>
#include <string>

// One Ravav-E-Vidid distraction: the picture put behind the targets (empty for
// none) and how fast it slides, in pixels per second across and down.
struct AnnoyMode {
    std::string background;
    int speedX = 0;
    int speedY = 0;
};

// The selectable distractions by the label the setup screen shows. The minus
// and plus buttons step through them in label order; " none " sorts first
// (a blank comes before every letter) and is the default.
std::map<std::string, AnnoyMode> annoyModes();
