#pragma once

// For tests of a write that runs out of room: while a FullDisk lives, no file
// this process writes may grow past a few bytes, as if the disk were full.
// Such writes fail with "File too large" instead of ending the process. It
// works for root too, whom a read-only folder would not stop.

#include <sys/resource.h>

#include <csignal>

namespace calorix::test {

class FullDisk {
  public:
    explicit FullDisk(rlim_t roomInBytes = 16) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = roomInBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

}  // namespace calorix::test
