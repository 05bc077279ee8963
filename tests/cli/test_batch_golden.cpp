// The English outputs, byte for byte, against files checked by hand. Single
// readings and places (golden/readings.args, one command a line with
// tab-separated arguments; make_readings.py remakes readings.out). The
// batch: rows for
// every message the batch can give, names in several scripts, quoting, all
// three line ends, a record over the size limit and an unclosed quote
// (golden/rows.csv); a missing column; rows that name a place or a zone.
// After a deliberate change, make_inputs.py remakes the inputs and
// `tivora-cli batch X.csv > X.out.csv` the outputs; read the diff before
// committing them.
#include "cli/cli.h"

#include <QFile>
#include <QtTest>
#include <fstream>
#include <sstream>

namespace {

std::string ReadBytes(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

class TestBatchGolden : public QObject {
    Q_OBJECT

private slots:
    void outputMatchesTheGoldenFile_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"rows", "missing", "places"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void outputMatchesTheGoldenFile() {
        QFETCH(QString, name);
        const QString folder = QStringLiteral(TIVORA_GOLDEN_DIR "/");
        const std::string expected = ReadBytes(folder + name + ".out.csv");
        QVERIFY(!expected.empty());
        std::istringstream in;
        std::ostringstream out, err;
        const std::string input = (folder + name + ".csv").toStdString();
        // Every golden input has rows with messages.
        QCOMPARE(tivora::cli::RunCli({"batch", input}, in, out, err), 1);
        QVERIFY(err.str().empty());
        const std::string actual = out.str();
        if (actual != expected) {
            // Name the first line that differs rather than dump both files.
            std::size_t at = 0;
            while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
                ++at;
            const std::size_t line = std::count(actual.begin(), actual.begin() + at, '\n') + 1;
            QFAIL(qPrintable(QStringLiteral("%1.out.csv differs from line %2: \"%3\"")
                                 .arg(name)
                                 .arg(line)
                                 .arg(QString::fromStdString(actual.substr(at, 80)))));
        }
    }

    void readingsMatchTheGoldenFile() {
        const QString folder = QStringLiteral(TIVORA_GOLDEN_DIR "/");
        QFile commands(folder + "readings.args");
        QVERIFY(commands.open(QIODevice::ReadOnly));
        const std::string expected = ReadBytes(folder + "readings.out");
        std::string actual;
        for (const QByteArray& line : commands.readAll().split('\n')) {
            if (line.isEmpty())
                continue;
            std::vector<std::string> args;
            for (const QByteArray& arg : line.split('\t'))
                args.push_back(arg.toStdString());
            std::istringstream in;
            std::ostringstream out, err;
            const int status = tivora::cli::RunCli(args, in, out, err);
            actual += "$ " + QByteArray(line).replace('\t', ' ').toStdString() + "\n" + out.str() +
                      "[stderr]\n" + err.str() + "[status " + std::to_string(status) + "]\n";
        }
        // Line by line, so a difference names its command's output.
        const QStringList want = QString::fromStdString(expected).split('\n');
        const QStringList got = QString::fromStdString(actual).split('\n');
        for (qsizetype i = 0; i < std::min(want.size(), got.size()); ++i)
            QCOMPARE(got[i], want[i]);
        QCOMPARE(got.size(), want.size());
    }
};

QTEST_GUILESS_MAIN(TestBatchGolden)
#include "test_batch_golden.moc"
