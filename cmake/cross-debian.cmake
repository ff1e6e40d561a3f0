# What every cross build on a Debian machine shares; the toolchain files name
# the target's triplet, its emulator and its Debian architecture first.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${BRENVIK_TARGET_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${BRENVIK_TARGET_TRIPLET}-g++)
# The target's libraries live in /usr/lib/<triplet>, beside the build machine's.
set(CMAKE_LIBRARY_ARCHITECTURE ${BRENVIK_TARGET_TRIPLET})

# pkg-config reads the target's descriptions only. The folder here comes last
# and stands in for a development package that cannot be installed for the
# target beside the build machine's own (see pkgconfig/SDL_mixer.pc).
set(ENV{PKG_CONFIG_LIBDIR}
    /usr/lib/${BRENVIK_TARGET_TRIPLET}/pkgconfig:/usr/share/pkgconfig:${CMAKE_CURRENT_LIST_DIR}/pkgconfig)

# The tests run under qemu-user, called directly so that no binfmt
# registration is needed; it finds the target's loader that multiarch
# installed in /lib.
set(CMAKE_CROSSCOMPILING_EMULATOR ${BRENVIK_TARGET_EMULATOR})
