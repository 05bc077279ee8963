#pragma once

#include "cli/cli.h"

#include <QString>
#include <QStringList>
#include <sstream>

namespace tivora::test {

// One tivora-cli command line, run in-process, with what it printed.
struct Run {
    int status;
    QString out;
    QString err;
};

inline Run Cli(const QStringList& args, const std::string& input = {}) {
    std::vector<std::string> a;
    for (const QString& s : args)
        a.push_back(s.toStdString());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = cli::RunCli(a, in, out, err);
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

} // namespace tivora::test
