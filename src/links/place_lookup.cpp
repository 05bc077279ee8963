#include "links/place_lookup.h"

#include "platform/platform.h"

namespace tivora {

QUrl PlaceSearchUrl(const QString& query) {
    // Everything but the unreserved characters is encoded, so "&", "#" or
    // "+" in a place name cannot split the query.
    return QUrl::fromEncoded("https://www.openstreetmap.org/search?query=" +
                                 QUrl::toPercentEncoding(query),
                             QUrl::StrictMode);
}

bool PlaceLookup::Lookup(const QString& query) {
    return platform_.openUrl(PlaceSearchUrl(query));
}

} // namespace tivora
