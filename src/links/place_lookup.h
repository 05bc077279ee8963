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

    // True when the browser accepted the address.
    bool Lookup(const QString& query);

private:
    Platform& platform_;
};

// https://www.openstreetmap.org/search?query=<query, percent-encoded>
QUrl PlaceSearchUrl(const QString& query);

} // namespace tivora
