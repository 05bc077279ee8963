#include "report/file_size_limit.h"

namespace tivora::test {

struct FileSizeLimit::Saved {};

FileSizeLimit::FileSizeLimit(long long) {}

FileSizeLimit::~FileSizeLimit() = default;

} // namespace tivora::test
