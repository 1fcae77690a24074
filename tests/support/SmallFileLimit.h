#pragma once
// Lowers the process's file size limit for one scope, so that a file write fails part-way as on
// a full disk. Works for root too, unlike a read-only folder. SIGXFSZ is left alone: the
// application ignores it from start-up, so a write past the limit fails as it does in the program.

#include <sys/resource.h>

class SmallFileLimit {
public:
    explicit SmallFileLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFileLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    SmallFileLimit(const SmallFileLimit&) = delete;
    SmallFileLimit& operator=(const SmallFileLimit&) = delete;

private:
    rlimit saved_{};
};
