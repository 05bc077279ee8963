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
        const char* stop = begin;
        const char* const last = block_.data() + end_;
        while (stop < last && *stop != '\n' && *stop != '\r')
            ++stop;
        pos_ = static_cast<std::size_t>(stop - block_.data());
        if (stop == last)
            continue;
        ++pos_;
        if (*stop == '\r')
            takeLf();
        return;
    }
}

CsvReader::Status CsvReader::next(std::vector<std::string>& fields, std::string& error) {
    error.clear();
    if (!started_) {
        started_ = true;
        // A byte-order mark some editors write before UTF-8 text.
        while (end_ - pos_ < 3 && !exhausted_)
            fill();
        if (end_ - pos_ >= 3 && std::memcmp(block_.data() + pos_, "\xEF\xBB\xBF", 3) == 0)
            pos_ += 3;
    }
    if (peek() < 0) {
        fields.clear();
        return Status::End;
    }
    ++line_;

    // The row's strings are reused from the last record, which saves an
    // allocation per field on long batches.
    std::size_t count = 0;
    std::size_t recordBytes = 0;
    auto newField = [&]() -> std::string& {
        if (count == fields.size())
            fields.emplace_back();
        else
            fields[count].clear();
        return fields[count++];
    };
    auto finish = [&](Status status, const char* why) {
        fields.resize(count);
        if (why)
            error = why;
        return status;
    };
    // False once the record would pass its limit; what fits is kept.
    auto append = [&](std::string& field, const char* text, std::size_t length) {
        const bool fits = length <= kMaxRecordBytes - recordBytes;
        if (!fits)
            length = kMaxRecordBytes - recordBytes;
        field.append(text, length);
        recordBytes += length;
        return fits;
    };

    auto tooLong = [&]() {
        skipLine();
        return finish(Status::Invalid, kTooLong);
    };

    std::string* field = &newField();
    for (;;) {
        // An unquoted field: everything up to a comma, line end or quote.
        int c;
        for (;;) {
            if (pos_ == end_ && !fill())
                return finish(Status::Record, nullptr);
            const char* const begin = block_.data() + pos_;
            const char* const last = block_.data() + end_;
            const char* stop = begin;
            while (stop < last && *stop != ',' && *stop != '\n' && *stop != '\r' && *stop != '"')
                ++stop;
            pos_ = static_cast<std::size_t>(stop - block_.data());
            if (!append(*field, begin, static_cast<std::size_t>(stop - begin)))
                return tooLong();
            if (stop < last) {
                c = *stop;
                ++pos_;
                break;
            }
        }
        if (c == '"') {
            if (!field->empty()) {
                skipLine();
                return finish(Status::Invalid, kQuoteInside);
            }
            // A quoted field, up to its closing quote.
            for (;;) {
                if (pos_ == end_ && !fill())
                    return finish(Status::Invalid, kNotClosed);
                const char* const begin = block_.data() + pos_;
                const char* const last = block_.data() + end_;
                const char* stop = begin;
                while (stop < last && *stop != '"' && *stop != '\n' && *stop != '\r')
                    ++stop;
                pos_ = static_cast<std::size_t>(stop - block_.data());
                if (!append(*field, begin, static_cast<std::size_t>(stop - begin)))
                    return tooLong();
                if (stop == last)
                    continue;
                ++pos_;
                const char mark = *stop;
                if (mark == '"') {
                    if (peek() != '"')
                        break;
                    ++pos_;
                    if (!append(*field, "\"", 1))
                        return tooLong();
                    continue;
                }
                // A line end inside the field is part of it.
                ++line_;
                if (!append(*field, &mark, 1))
                    return tooLong();
                if (mark == '\r' && peek() == '\n') {
                    ++pos_;
                    if (!append(*field, "\n", 1))
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
            field = &newField();
            continue;
        }
        if (c == '\r')
            takeLf();
        return finish(Status::Record, nullptr);
    }
}

void AppendCsvField(std::string& out, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
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
