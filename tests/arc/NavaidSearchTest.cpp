#include "arc/NavaidSearch.h"

#include <gtest/gtest.h>

namespace {

TEST(CoordinateCaption, LetterDegreesAndNineCharacterMinutes) {
    struct Case {
        float value;
        char positive, negative;
        const char* suffix;
        const char* expected;
    };
    const Case cases[] = {
        {-33.5f, 'N', 'S', " Latitude", "S33 30        Latitude"},
        {0.0f, 'N', 'S', " Latitude", "N0 0         Latitude"},
        {0.5f, 'N', 'S', " Latitude", "N0 30        Latitude"},
        {-0.25f, 'E', 'W', " Longitude", "W0 15        Longitude"},
        // Taken through the value's decimal text: 47.45, not 47.4500007.
        {47.45f, 'N', 'S', " Latitude", "N47 27.000000 Latitude"},
        // Long minutes are cut to nine characters.
        {-122.309611f, 'E', 'W', " Longitude", "W122 18.576000 Longitude"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(arc::coordinateCaption(c.value, c.positive, c.negative, c.suffix), c.expected)
            << c.value;
}

reference::NavaidTable smallTable() {
    return reference::NavaidTable({
        {" ABC", 1, 1, 0},
        {"ABC", 10, 20, 0},
        {"ABC", -33.5f, 151.25f, 0},
        {"ABC ", 47.45f, -122.309611f, 0},
        {"ABCD", 5, 5, 0},
        {" SEA", 2, 2, 0},
        {"SEA", 47.435361f, -122.309611f, 116.8f},
    });
}

TEST(SearchNavaids, TrimmedIdentifiersOfTheLetterGroupInTableOrder) {
    const reference::NavaidTable navaids = smallTable();
    // Sorted: " ABC", " SEA", "ABC", "ABC", "ABC ", "ABCD", "SEA".
    ASSERT_EQ(navaids[3].NavaidLat, 10.0f);
    const std::vector<std::pair<const char*, std::vector<std::int32_t>>> cases = {
        {"ABC", {1, 3, 4, 5}},
        {"ABCD", {6}},
        // " SEA" lies in the first letter group, which a search for SEA
        // does not look at.
        {"SEA", {7}},
        {"abc", {}},
        {"XYZ", {}},
        {"", {}},
    };
    for (const auto& [identifier, rows] : cases)
        EXPECT_EQ(arc::searchNavaids(navaids, identifier), rows) << identifier;
}

} // namespace
