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

// Index of the first picture whose key equals key exactly (case-sensitive),
// or -1 when none does.
int FindSignPicture(const QString& key);

// The program icon, offered at the usual icon sizes from 16 to 256 pixels
// and drawn on first use at the size asked for.
QIcon ProgramIcon();

} // namespace tivora
