#pragma once

#include <QString>
#include <QUrl>

namespace tivora {

class Platform;

// The coordinates lookup: shows a map search for the place in the user's
// browser, where the user reads off latitude and longitude.
class PlaceLookup final {
public:
    explicit PlaceLookup(Platform& platform) : platform_(platform) {}

    // The home-page address is part of the call's contract; the map search
    // has no use for it. True when the browser accepted the address.
    bool Lookup(QString& query, QString& homePageAddress);

private:
    Platform& platform_;
};

// https://www.openstreetmap.org/search?query=<query, percent-encoded>
QUrl PlaceSearchUrl(const QString& query);

} // namespace tivora
