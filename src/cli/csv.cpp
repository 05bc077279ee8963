#include "cli/csv.h"

namespace tivora::cli {

namespace {

// Skips to the end of the current line after a malformed field.
void SkipLine(std::istream& in) {
    int c;
    while ((c = in.get()) != EOF && c != '\n') {
    }
}

} // namespace

CsvReader::Status CsvReader::next(std::vector<std::string>& fields, std::string& error) {
    fields.clear();
    error.clear();
    if (!started_) {
        started_ = true;
        // A byte-order mark some editors write before UTF-8 text.
        if (in_.peek() == 0xEF) {
            char bom[3];
            in_.read(bom, 3);
            if (!(in_.gcount() == 3 && bom[1] == '\xBB' && bom[2] == '\xBF')) {
                in_.clear();
                for (std::streamsize i = in_.gcount(); i > 0; --i)
                    in_.unget();
            }
        }
    }
    if (in_.peek() == EOF)
        return Status::End;
    ++line_;

    std::string field;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current field began with a quote
    bool afterQuote = false; // a quoted field just closed
    for (;;) {
        const int c = in_.get();
        if (quoted) {
            if (c == EOF) {
                fields.push_back(field);
                error = "Not valid CSV: a quoted field is not closed";
                return Status::Invalid;
            }
            if (c == '"') {
                if (in_.peek() == '"') {
                    in_.get();
                    field += '"';
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == '\n')
                    ++line_;
                field += static_cast<char>(c);
            }
            continue;
        }
        if (c == ',' || c == '\n' || c == EOF || (c == '\r' && in_.peek() == '\n')) {
            if (c == '\r')
                in_.get();
            fields.push_back(field);
            field.clear();
            wasQuoted = afterQuote = false;
            if (c != ',')
                return Status::Record;
            continue;
        }
        if (afterQuote) {
            fields.push_back(field);
            error = "Not valid CSV: text after a closing quote";
            SkipLine(in_);
            return Status::Invalid;
        }
        if (c == '"') {
            if (!field.empty() || wasQuoted) {
                fields.push_back(field);
                error = "Not valid CSV: a quote inside an unquoted field";
                SkipLine(in_);
                return Status::Invalid;
            }
            quoted = wasQuoted = true;
            continue;
        }
        field += static_cast<char>(c);
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
