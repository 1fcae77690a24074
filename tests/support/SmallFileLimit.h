#pragma once
// Lowers the process's file size limit for one scope, so that a file write fails part-way as on
// a full disk (SIGXFSZ is ignored meanwhile). Works for root too, unlike a read-only folder.

#include <sys/resource.h>

#include <csignal>

class SmallFileLimit {
public:
    explicit SmallFileLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFileLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    SmallFileLimit(const SmallFileLimit&) = delete;
    SmallFileLimit& operator=(const SmallFileLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
