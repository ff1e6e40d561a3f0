#pragma once

#include "game/ScreenDrawing.h"
#include "media/ResourceManager.h"
#include "media/Sprite.h"
#include "support/Scripting.h"

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

// Some state lives as long as the process: the joystick, the image cache, the
// remembered name, SDL after the whole program shut it down. A test that needs
// it fresh runs in a process of its own: where this process runs other tests
// too, it starts the test binary again for that test alone, passes when that
// run passes, and returns. CTest gives every test a process of its own anyway.
#define IN_A_PROCESS_OF_ITS_OWN()                                                                  \
    do {                                                                                           \
        if (ranInAProcessOfItsOwn())                                                               \
            return;                                                                                \
    } while (false)
bool ranInAProcessOfItsOwn();

// Base of every test that draws: a headless 320 x 240 x 16 display with the
// game's fonts and mixer, a fresh script, a fixed random seed, and a check that
// no screen had to be ended by the watchdog.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Saves the screen as <name>.bmp in the folder BRENVIK_SCREENSHOTS names, if any.
    static void saveScreen(const std::string& name);

    // How often the mixer was asked to play the sound of that file.
    static int timesPlayed(const std::string& file);
};

// Captures what is written to standard error and standard output while it lives.
struct CapturedLog {
    std::ostringstream err, out;
    std::streambuf* const oldErr = std::cerr.rdbuf(err.rdbuf());
    std::streambuf* const oldOut = std::cout.rdbuf(out.rdbuf());
    ~CapturedLog() {
        std::cerr.rdbuf(oldErr);
        std::cout.rdbuf(oldOut);
    }
    std::string errors() const { return err.str(); }
    std::string output() const { return out.str(); }
};

// A temporary game folder, the working directory while it lives: a copy of the
// real pictures, fonts and sounds that a test may damage, and its own high.dat.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();

private:
    std::string folder, previous; // made, and the working directory before
};

// Root writes any file and into any folder whatever its mode, by a capability
// that overrides the permission bits. While this lives, root is held to the
// modes like anybody else. Capabilities belong to the thread, and the game
// writes its files from the thread that made this.
struct WithoutOverridingPermissions {
    WithoutOverridingPermissions() { overridePermissions(false); }
    ~WithoutOverridingPermissions() { overridePermissions(true); }

    static void overridePermissions(bool allowed) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0)
            return;
        data[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        data[0].effective |= allowed ? data[0].permitted & (1u << CAP_DAC_OVERRIDE) : 0;
        syscall(SYS_capset, &header, data);
    }
};

// Runs the whole program in this process, in a game folder of its own without
// "high.dat", so that every start is a first start.
class ProgramTest : public ScreenTest {
protected:
    inline static const std::string BANNER =
        "=== BRENVIK 0.2 by Tolvane ===\nLogging is disabled\n";
    void SetUp() override { fake::reset(); } // the program opens its own display
    int runProgram();

    ScratchFolder folder;
    std::string errors, output; // of the last run
};

// A 32-bit software surface filled with one value.
SurfacePtr filledSurface(int w, int h, Uint32 value);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);
