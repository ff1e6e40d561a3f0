#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Root writes any file and into any folder whatever its mode, by a capability
// that overrides the permission bits. While this lives, root is held to the
// modes like anybody else. Capabilities belong to the thread, and the game
// writes its files from the thread that made this.
class WithoutOverridingPermissions {
public:
    WithoutOverridingPermissions() {
        header.version = _LINUX_CAPABILITY_VERSION_3;
        held = syscall(SYS_capget, &header, saved) == 0;
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        if (held)
            syscall(SYS_capset, &header, lowered);
    }
    ~WithoutOverridingPermissions() {
        if (held)
            syscall(SYS_capset, &header, saved);
    }
    WithoutOverridingPermissions(const WithoutOverridingPermissions&) = delete;
    WithoutOverridingPermissions& operator=(const WithoutOverridingPermissions&) = delete;

private:
    __user_cap_header_struct header{};
    __user_cap_data_struct saved[2]{};
    bool held = false;
};
