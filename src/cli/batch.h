#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tivora::cli {

// batch FILE|-: one reading per CSV row, written as CSV.
int RunBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

} // namespace tivora::cli
