#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace tivora::cli {

// Reads RFC 4180 records one at a time, in blocks, so memory does not grow
// with the number of rows or the length of a line. Accepts CR LF, LF and a
// lone CR as line ends, and quoted fields spanning lines.
class CsvReader {
public:
    // Longest record kept, in bytes: past it the record is cut off with a
    // message and reading goes on after the next line end, so an unclosed
    // quote cannot swallow the rest of the input.
    static constexpr std::size_t kMaxRecordBytes = 64 * 1024;

    explicit CsvReader(std::istream& in);
    // Reads the open file descriptor fd (not closed here).
    explicit CsvReader(int fd);

    enum class Status { Record, End, Invalid };
    // On Invalid, fields holds what was read and error says why; reading
    // resumes at the next line. The fields view the reader's own memory and
    // are valid until the next call.
    Status next(std::vector<std::string_view>& fields, std::string& error);
    long long line() const { return line_; }
    // True when the last record had no quoted field, so none of its fields
    // holds a comma, quote or line end.
    bool lastRecordPlain() const { return plain_; }
    // Why reading stopped early, when the source failed; empty otherwise.
    const std::string& readError() const { return readError_; }

private:
    bool fill();
    int get() { return pos_ < end_ || fill() ? static_cast<unsigned char>(block_[pos_++]) : -1; }
    int peek() { return pos_ < end_ || fill() ? static_cast<unsigned char>(block_[pos_]) : -1; }
    // Consumes the rest of the line and its line end.
    void skipLine();
    // After a CR, takes the LF of a CR LF pair.
    void takeLf();

    std::istream* in_ = nullptr;
    int fd_ = -1;
    std::vector<char> block_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    long long line_ = 0;
    bool started_ = false;
    bool plain_ = true;
    bool exhausted_ = false;
    bool pendingLf_ = false;
    // A record that is not one plain line in the block, and where each of
    // its fields begins.
    std::string record_;
    std::vector<std::size_t> starts_;
    std::string readError_;
};

// Appends one field, quoted when it holds a comma, quote, CR or LF.
void AppendCsvField(std::string& out, std::string_view field);

} // namespace tivora::cli
