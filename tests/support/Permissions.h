#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

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
