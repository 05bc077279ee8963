#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tivora::cli {

// Reads RFC 4180 records one at a time, so memory does not grow with the
// number of rows. Accepts CR LF or LF line ends and quoted fields spanning
// lines.
class CsvReader {
public:
    explicit CsvReader(std::istream& in) : in_(in) {}

    enum class Status { Record, End, Invalid };
    // On Invalid, fields holds what was read and error says why; reading
    // resumes at the next line.
    Status next(std::vector<std::string>& fields, std::string& error);
    long long line() const { return line_; }

private:
    std::istream& in_;
    long long line_ = 0;
    bool started_ = false;
};

// Appends one field, quoted when it holds a comma, quote, CR or LF.
void AppendCsvField(std::string& out, const std::string& field);

} // namespace tivora::cli
