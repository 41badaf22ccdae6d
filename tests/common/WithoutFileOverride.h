#pragma once
// While it lives, the calling thread obeys file permissions even when it runs
// as root (the DAC override capabilities leave its effective set), so a test can
// make a file unreadable. readsAnything() tells when that could not be done.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>

class WithoutFileOverride {
public:
    WithoutFileOverride() {
        if (syscall(SYS_capget, &header_, old_) != 0) return;
        __user_cap_data_struct now[2];
        std::memcpy(now, old_, sizeof now);
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            now[cap / 32].effective &= ~(1u << (cap % 32));
        changed_ = syscall(SYS_capset, &header_, now) == 0;
    }
    ~WithoutFileOverride() {
        if (changed_) syscall(SYS_capset, &header_, old_);
    }
    WithoutFileOverride(const WithoutFileOverride&) = delete;
    WithoutFileOverride& operator=(const WithoutFileOverride&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct old_[2]{};
    bool changed_ = false;
};
