#pragma once

#include "runtime/Sequential.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

inline constexpr const char* AirportFileName = "AllFlyAirports.txt";

struct AirportRecord {
    std::string AirportICAO;
    std::string AirportName;
    float AirportLat = 0;
    float AirportLong = 0;

    bool operator==(const AirportRecord&) const = default;
};

// The simulator's airports, rows 1..size() in file order.
class AirportTable {
public:
    AirportTable() = default;
    explicit AirportTable(std::vector<AirportRecord> rows) : rows_(std::move(rows)) {}

    std::int32_t size() const { return static_cast<std::int32_t>(rows_.size()); }
    bool fits(std::int32_t row) const { return row >= 1 && row <= size(); }
    // Throws std::out_of_range outside 1..size().
    const AirportRecord& operator[](std::int32_t row) const;

    // First row whose AirportICAO equals the code exactly (ordinal,
    // case-sensitive), or 0.
    std::int32_t findICAO(std::string_view icao) const;
    // The same row's record, or nullptr.
    const AirportRecord* findAirport(std::string_view icao) const;

private:
    std::vector<AirportRecord> rows_;
};

// Records of four fields (ICAO code, name, latitude, longitude) to the end of
// the input. Throws runtime::RuntimeError: 62 on a record cut short, 13 on a
// field that is not a number, 6 on a number beyond single precision.
AirportTable readAirports(runtime::SequentialReader& reader);
AirportTable parseAirports(std::string content);
// Also 53/76 when the file cannot be opened.
AirportTable loadAirports(const std::filesystem::path& file);

} // namespace reference
