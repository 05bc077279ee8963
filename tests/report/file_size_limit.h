#pragma once

#include <memory>

namespace tivora::test {

// Limits the size of files this process may write, so a write fails
// part-way even for root; restores the limit when it goes. Not ok() where
// the system has no such limit (Windows): tests skip then
// (file_size_limit_posix.cpp, file_size_limit_windows.cpp).
class FileSizeLimit final {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return ok_; }

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
    bool ok_ = false;
};

} // namespace tivora::test
