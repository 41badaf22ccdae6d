#pragma once
// Every file this process writes fails at its n-th byte while the limit lives,
// as a full disk would: the kernel refuses writes beyond the file-size limit.
#include <csignal>
#include <sys/resource.h>

class WriteLimit {
public:
    explicit WriteLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN); // report EFBIG instead of ending the process
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~WriteLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
