#include "arc/ArcFixNames.h"

#include <algorithm>

namespace arc {

namespace {

struct KnownFix {
    std::string name;
    std::string vor;
    float distance = 0;
    float heading = 0;
};

std::string nextName(ArcNaming& naming) {
    std::string name = naming.label + std::to_string(naming.counter);
    naming.counter = static_cast<std::int16_t>(naming.counter + 1);
    return name;
}

} // namespace

std::vector<NamedArcPoint> nameArcPoints(const std::vector<ArcPoint>& points, ArcNaming& naming,
                                         const store::FixTable& fixes, int fixCount) {
    std::vector<KnownFix> known;
    for (int row = 1; row <= fixCount && store::FixTable::fits(row); ++row) {
        const store::FixRecord& fix = fixes[row];
        known.push_back({fix.Name, fix.VOR, fix.VORDist, fix.Heading});
    }

    std::vector<NamedArcPoint> named;
    for (const ArcPoint& point : points) {
        std::string name = nextName(naming);
        // Matched on the heading the new fix would store, so a point that
        // would be written like an existing fix reuses it.
        const float heading = storedHeading(point.radial);
        const auto match = std::find_if(known.begin(), known.end(), [&](const KnownFix& k) {
            return k.distance == point.radius && k.heading == heading && k.vor == naming.navaid;
        });
        if (match != known.end()) {
            named.push_back({match->name, false, heading, point.radius});
            continue;
        }
        const auto taken = [&](const std::string& candidate) {
            return std::any_of(known.begin(), known.end(),
                               [&](const KnownFix& k) { return k.name == candidate; });
        };
        // Each try takes a new counter value, so this ends within one more
        // try than there are fixes.
        while (taken(name))
            name = nextName(naming);
        known.push_back({name, naming.navaid, point.radius, heading});
        named.push_back({name, true, heading, point.radius});
    }
    return named;
}

} // namespace arc
