#include "make_fifo.h"

#include <QFile>

#include <sys/stat.h>

bool MakeFifo(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}
