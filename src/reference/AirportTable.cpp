#include "reference/AirportTable.h"

#include "reference/SingleField.h"

#include <stdexcept>

namespace reference {

const AirportRecord& AirportTable::operator[](std::int32_t row) const {
    if (!fits(row))
        throw std::out_of_range("airport row " + std::to_string(row));
    return rows_[static_cast<std::size_t>(row - 1)];
}

std::int32_t AirportTable::findICAO(std::string_view icao) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].AirportICAO == icao)
            return static_cast<std::int32_t>(i) + 1;
    return 0;
}

const AirportRecord* AirportTable::findAirport(std::string_view icao) const {
    const std::int32_t row = findICAO(icao);
    return row == 0 ? nullptr : &rows_[static_cast<std::size_t>(row - 1)];
}

AirportTable readAirports(runtime::SequentialReader& reader) {
    std::vector<AirportRecord> rows;
    rows.reserve(reader.lineFeedsLeft() + 1);
    while (!reader.atEnd()) {
        reader.beginRecord();
        AirportRecord r;
        r.AirportICAO = reader.readText();
        r.AirportName = reader.readText();
        r.AirportLat = readSingle(reader);
        r.AirportLong = readSingle(reader);
        rows.push_back(std::move(r));
    }
    return AirportTable(std::move(rows));
}

AirportTable parseAirports(std::string content) {
    runtime::SequentialReader reader(std::move(content));
    return readAirports(reader);
}

AirportTable loadAirports(const std::filesystem::path& file) {
    auto reader = runtime::SequentialReader::open(file);
    return readAirports(reader);
}

} // namespace reference
