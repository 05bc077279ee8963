#include "report/file_size_limit.h"

#include <csignal>
#include <sys/resource.h>

namespace tivora::test {

struct FileSizeLimit::Saved {
    rlimit limit{};
    void (*handler)(int) = nullptr;
};

FileSizeLimit::FileSizeLimit(long long bytes) : saved_(std::make_unique<Saved>()) {
    getrlimit(RLIMIT_FSIZE, &saved_->limit);
    saved_->handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_->limit;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_->limit);
    std::signal(SIGXFSZ, saved_->handler);
}

} // namespace tivora::test
