#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace tivora {

// Side of a sign picture in logical pixels.
constexpr int kSignPictureSize = 200;

// Keys of the result window's image list, in list order: each sign's
// English name, alphabetically, so Aquarius comes first.
QStringList SignPictureKeys();

// Picture `index` of that list at 200 by 200 logical pixels, rendered at
// devicePixelRatio so it stays crisp on high-density screens, and kept for
// the next call. A null pixmap when index lies outside the list.
QPixmap SignPicture(int index, qreal devicePixelRatio = 1.0);

// The program icon, offered at 16, 24, 32, 48 and 64 pixels. The sides drawn
// at build time are loaded; any other size asked for is drawn from the SVG on
// first use.
QIcon ProgramIcon();

} // namespace tivora
