#pragma once

#include <QByteArray>
#include <QString>

namespace tivora {

// Single-byte text in Windows-1252; characters it cannot hold are left out.
QByteArray ToWindows1252(const QString& text);
QString FromWindows1252(const QByteArray& bytes);

// Each byte shifted up by 85; bytes with no image (171-255) are left out.
QByteArray ScrambleText(const QByteArray& text);
// Each byte shifted down by 85; bytes below 85 are left out.
QByteArray UnscrambleText(const QByteArray& text);

} // namespace tivora
