#include "app/GameMain.h"

#include "app/Application.h"

#include <iostream>

int runBrenvik() {
    std::cerr << "=== BRENVIK "
              << "0.2"
              << " by Tolvane ===" << std::endl;
    Application application;
    application.init(320, 240, 16);
    return application.run();
}
