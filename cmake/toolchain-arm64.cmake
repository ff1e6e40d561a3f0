# Cross builds for 64-bit ARM handhelds (Debian's arm64) with Debian's
# crossbuild-essential-arm64 and the target's libraries installed through
# multiarch (tools/cross-build arm64 sets it all up).
set(BRENVIK_TARGET_TRIPLET aarch64-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(BRENVIK_TARGET_EMULATOR qemu-aarch64-static)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
include(${CMAKE_CURRENT_LIST_DIR}/cross-debian.cmake)
