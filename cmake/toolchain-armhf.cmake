# Cross builds for 32-bit ARM handhelds with a hardware floating point unit
# (Debian's armhf) with Debian's crossbuild-essential-armhf and the target's
# libraries installed through multiarch (tools/cross-build armhf sets it all up).
set(BRENVIK_TARGET_TRIPLET arm-linux-gnueabihf)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(BRENVIK_TARGET_EMULATOR qemu-arm-static)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armhf)
include(${CMAKE_CURRENT_LIST_DIR}/cross-debian.cmake)
