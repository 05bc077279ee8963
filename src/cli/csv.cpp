#include "cli/csv.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <unistd.h>

namespace tivora::cli {

namespace {

// Large enough that a batch reads in few system calls; a record longer than
// the block is still read, the block only holds its unread part.
constexpr std::size_t kBlockBytes = 64 * 1024;

// A set of bytes looked up rather than compared one by one, as the scans
// run over every byte of a batch.
struct ByteSet {
    bool members[256] = {};
    constexpr explicit ByteSet(const char* bytes) {
        for (; *bytes; ++bytes)
            members[static_cast<unsigned char>(*bytes)] = true;
    }
    bool operator()(char c) const { return members[static_cast<unsigned char>(c)]; }
};
// What ends an unquoted run of text, what ends a line or begins or ends a
// quote, and what ends a line.
constexpr ByteSet kEndsUnquoted(",\"\r\n");
constexpr ByteSet kEndsLineOrQuotes("\"\r\n");
constexpr ByteSet kEndsLine("\r\n");

// The first byte of [begin, last) in stops, or last.
const char* ScanTo(const char* begin, const char* last, const ByteSet& stops) {
    while (begin < last && !stops(*begin))
        ++begin;
    return begin;
}

const char* const kNotClosed = "Not valid CSV: a quoted field is not closed";
const char* const kAfterQuote = "Not valid CSV: text after a closing quote";
const char* const kQuoteInside = "Not valid CSV: a quote inside an unquoted field";
const char* const kTooLong = "Not valid CSV: the record is longer than 65536 bytes";

} // namespace

CsvReader::CsvReader(std::istream& in) : in_(&in), block_(kBlockBytes) {}

CsvReader::CsvReader(int fd) : fd_(fd), block_(kBlockBytes) {}

bool CsvReader::fill() {
    if (exhausted_)
        return pos_ < end_;
    // Keep what is still unread at the front.
    if (pos_ > 0) {
        std::memmove(block_.data(), block_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
    }
    char* target = block_.data() + end_;
    const std::size_t room = block_.size() - end_;
    long long got = 0;
    if (in_) {
        // A stream's buffer may throw on a failing read; that ends the input.
        try {
            got =
                in_->rdbuf() ? in_->rdbuf()->sgetn(target, static_cast<std::streamsize>(room)) : 0;
        } catch (const std::exception&) {
            readError_ = "a read error";
            got = 0;
        }
    } else {
        do
            got = ::read(fd_, target, room);
        while (got < 0 && errno == EINTR);
        if (got < 0)
            readError_ = std::strerror(errno);
    }
    if (got <= 0) {
        exhausted_ = true;
        return pos_ < end_;
    }
    end_ += static_cast<std::size_t>(got);
    return true;
}

void CsvReader::takeLf() {
    if (peek() == '\n')
        ++pos_;
}

void CsvReader::skipLine() {
    for (;;) {
        if (pos_ == end_ && !fill())
            return;
        const char* begin = block_.data() + pos_;
        const char* const last = block_.data() + end_;
        const char* const stop = ScanTo(begin, last, kEndsLine);
        pos_ = static_cast<std::size_t>(stop - block_.data());
        if (stop == last)
            continue;
        ++pos_;
        if (*stop == '\r')
            takeLf();
        return;
    }
}

CsvReader::Status CsvReader::next(std::vector<std::string_view>& fields, std::string& error) {
    error.clear();
    fields.clear();
    if (!started_) {
        started_ = true;
        // A byte-order mark some editors write before UTF-8 text.
        while (end_ - pos_ < 3 && !exhausted_)
            fill();
        if (end_ - pos_ >= 3 && std::memcmp(block_.data() + pos_, "\xEF\xBB\xBF", 3) == 0)
            pos_ += 3;
    }
    // The LF of a CR LF pair that ended the last record at a block's end.
    if (pendingLf_) {
        pendingLf_ = false;
        if (peek() == '\n')
            ++pos_;
    }
    if (peek() < 0)
        return Status::End;
    ++line_;
    plain_ = true;

    // Most records are one line without quotes that the block already
    // holds: its fields are views into the block, split at the commas.
    {
        const char* const begin = block_.data() + pos_;
        const char* const last = block_.data() + end_;
        const char* const stop = ScanTo(begin, last, kEndsLineOrQuotes);
        if (stop < last && *stop != '"' &&
            static_cast<std::size_t>(stop - begin) <= kMaxRecordBytes) {
            for (const char* cell = begin;;) {
                const char* comma = cell;
                while (comma < stop && *comma != ',')
                    ++comma;
                fields.emplace_back(cell, static_cast<std::size_t>(comma - cell));
                if (comma == stop)
                    break;
                cell = comma + 1;
            }
            const char lineEnd = *stop;
            pos_ = static_cast<std::size_t>(stop - block_.data()) + 1;
            // Taking the LF may refill the block, but never before the
            // fields' own bytes: those stay where they are until next().
            if (lineEnd == '\r' && pos_ < end_ && block_[pos_] == '\n')
                ++pos_;
            else if (lineEnd == '\r' && pos_ == end_)
                pendingLf_ = true;
            return Status::Record;
        }
    }

    // Anything else is gathered in record_, field after field.
    record_.clear();
    starts_.clear();
    auto finish = [&](Status status, const char* why) {
        starts_.push_back(record_.size());
        for (std::size_t k = 0; k + 1 < starts_.size(); ++k)
            fields.emplace_back(record_.data() + starts_[k], starts_[k + 1] - starts_[k]);
        if (why)
            error = why;
        return status;
    };
    // False once the record would pass its limit; what fits is kept.
    auto append = [&](const char* text, std::size_t length) {
        const bool fits = length <= kMaxRecordBytes - record_.size();
        if (!fits)
            length = kMaxRecordBytes - record_.size();
        record_.append(text, length);
        return fits;
    };
    auto tooLong = [&]() {
        skipLine();
        return finish(Status::Invalid, kTooLong);
    };
    // Gathers the bytes up to the next one of stops, which it takes and
    // returns: -1 at the end of the input, -2 once past the record's limit.
    constexpr int kEndOfInput = -1;
    constexpr int kPastLimit = -2;
    auto gatherTo = [&](const ByteSet& stops) -> int {
        for (;;) {
            if (pos_ == end_ && !fill())
                return kEndOfInput;
            const char* const begin = block_.data() + pos_;
            const char* const last = block_.data() + end_;
            const char* const stop = ScanTo(begin, last, stops);
            pos_ = static_cast<std::size_t>(stop - block_.data());
            if (!append(begin, static_cast<std::size_t>(stop - begin)))
                return kPastLimit;
            if (stop < last) {
                ++pos_;
                return static_cast<unsigned char>(*stop);
            }
        }
    };

    starts_.push_back(0);
    for (;;) {
        // An unquoted field: everything up to a comma, line end or quote.
        int c = gatherTo(kEndsUnquoted);
        if (c == kEndOfInput)
            return finish(Status::Record, nullptr);
        if (c == kPastLimit)
            return tooLong();
        if (c == '"') {
            if (record_.size() != starts_.back()) {
                skipLine();
                return finish(Status::Invalid, kQuoteInside);
            }
            // A quoted field, up to its closing quote.
            plain_ = false;
            for (;;) {
                const int next = gatherTo(kEndsLineOrQuotes);
                if (next == kEndOfInput)
                    return finish(Status::Invalid, kNotClosed);
                if (next == kPastLimit)
                    return tooLong();
                const char mark = static_cast<char>(next);
                if (mark == '"') {
                    if (peek() != '"')
                        break;
                    ++pos_;
                    if (!append("\"", 1))
                        return tooLong();
                    continue;
                }
                // A line end inside the field is part of it.
                ++line_;
                if (!append(&mark, 1))
                    return tooLong();
                if (mark == '\r' && peek() == '\n') {
                    ++pos_;
                    if (!append("\n", 1))
                        return tooLong();
                }
            }
            // After the closing quote: a comma, a line end or the end.
            c = get();
            if (c != ',' && c != '\n' && c != '\r' && c >= 0) {
                skipLine();
                return finish(Status::Invalid, kAfterQuote);
            }
        }
        if (c == ',') {
            starts_.push_back(record_.size());
            continue;
        }
        if (c == '\r')
            takeLf();
        return finish(Status::Record, nullptr);
    }
}

void AppendCsvField(std::string& out, std::string_view field) {
    bool plain = true;
    for (const char c : field)
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            plain = false;
            break;
        }
    if (plain) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace tivora::cli
