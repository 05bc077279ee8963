// libFuzzer entry for a batch row's TimeZone and Place cells; built with
// -DTIVORA_FUZZ=ON and clang. The input is the zone text, a NUL, then the
// place text. Every row must end (libFuzzer's -timeout catches a hang) with
// a reading or a message.
#include "cli/cli.h"
#include "cli/csv.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

[[noreturn]] void Broken(const char* rule) {
    std::fprintf(stderr, "batch row rule broken: %s\n", rule);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TIVORA_DATA_DIR", TIVORA_FUZZ_ATLAS_DIR, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string zone = input.substr(0, split);
    const std::string place = split == std::string::npos ? std::string() : input.substr(split + 1);

    // One row takes its coordinates from the place, one gives its own.
    std::string csv = "BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,BirthMinute,Place,"
                      "TimeZone,LonDegrees,LonMinutes,LatDegrees,LatMinutes,IsEast,IsSouth\n";
    for (const char* coordinates : {",,,,,", ",77,12,28,36,1,0"}) {
        csv += "F,1,1,1990,12,0,";
        tivora::cli::AppendCsvField(csv, place);
        csv += ',';
        tivora::cli::AppendCsvField(csv, zone);
        csv += coordinates;
        csv += '\n';
    }
    std::istringstream in(csv);
    std::ostringstream out;
    std::ostringstream err;
    const int status = tivora::cli::RunCli({"batch", "-"}, in, out, err);
    if (status != 0 && status != 1)
        Broken("the batch ended with a status other than 0 or 1");

    std::istringstream written(out.str());
    tivora::cli::CsvReader reader(written);
    std::vector<std::string_view> row;
    std::string error;
    std::vector<std::string> header;
    std::size_t message = 0;
    std::size_t sign = 0;
    int rows = 0;
    while (reader.next(row, error) == tivora::cli::CsvReader::Status::Record) {
        if (header.empty()) {
            header.assign(row.begin(), row.end());
            for (std::size_t i = 0; i < header.size(); ++i) {
                if (header[i] == "Message")
                    message = i;
                if (header[i] == "LagnaSign")
                    sign = i;
            }
            if (message == 0 || sign == 0)
                Broken("the output header lacks Message or LagnaSign");
            continue;
        }
        ++rows;
        if (row.size() != header.size())
            Broken("a row with another number of fields than the header");
        // A reading may carry a note (which of several towns was taken).
        if (row[sign].empty() && row[message].empty())
            Broken("a row with neither a reading nor a message");
        for (const char c : row[message])
            if (static_cast<unsigned char>(c) < 0x20)
                Broken("a control character in a message");
    }
    if (rows != 2)
        Broken("a row was lost");
    return 0;
}
