#include "make_fifo.h"

bool MakeFifo(const QString&) {
    return false;
}
