#include "app/GameMain.h"

// The command line and the environment are not read.
int main(int, char**) {
    return runBrenvik();
}
