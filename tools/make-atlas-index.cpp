// Makes places.idx from places.tsv.gz at build time: the atlas laid out to be
// mapped into memory, so a look-up costs no parse of the text.
//
//     tivora-atlas-index places.tsv.gz places.idx

#include "atlas/atlas.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tivora-atlas-index places.tsv.gz places.idx\n");
        return 2;
    }
    const QString source = QFile::decodeName(argv[1]);
    const QString index = QFile::decodeName(argv[2]);
    QString error;
    const auto atlas = tivora::atlas::Atlas::load(source, &error);
    if (!atlas) {
        std::fprintf(stderr, "tivora-atlas-index: %s\n", qPrintable(error));
        return 1;
    }
    // Written aside and moved in: the old index may be mapped by the load above.
    const QString temporary = index + QStringLiteral(".part");
    if (!atlas->writeIndex(source, temporary, &error) ||
        (QFile::exists(index) && !QFile::remove(index)) || !QFile::rename(temporary, index)) {
        std::fprintf(stderr, "tivora-atlas-index: %s\n",
                     qPrintable(error.isEmpty() ? QStringLiteral("cannot write ") + index : error));
        QFile::remove(temporary);
        return 1;
    }
    // The pages just written sit in memory in large blocks, and a program
    // mapping the file would take a whole block into its memory for each
    // look-up; written out and dropped, the file is read back page by page.
    const int fd = ::open(QFile::encodeName(index).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
    return 0;
}
