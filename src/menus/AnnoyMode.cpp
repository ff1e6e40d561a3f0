#include "menus/AnnoyMode.h"

std::map<std::string, AnnoyMode> annoyModes() {
    return {
        {" none ", {"", 0, 0}},
        {"checker", {"images/bwbg.png", 0, 0}},
        {"checker 2", {"images/bwbg.png", 40, 20}},
        {"checker 3", {"images/bwbg.png", 120, 60}},
        {"psycho", {"images/rwbg2.png", 0, 0}},
        {"psycho 2", {"images/rwbg2.png", 20, 50}},
        {"psycho 3", {"images/rwbg2.png", 70, 150}},
        {"red", {"images/rwbg.png", 0, 0}},
        {"red 2", {"images/rwbg.png", 40, 20}},
        {"red 3", {"images/rwbg.png", 120, 60}},
    };
}
