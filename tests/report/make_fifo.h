#pragma once

#include <QString>

// Makes a FIFO at path; false where the system has none (Windows), and the
// test that needs one is skipped there (make_fifo_posix.cpp,
// make_fifo_windows.cpp).
bool MakeFifo(const QString& path);
