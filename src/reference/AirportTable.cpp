#include "reference/AirportTable.h"

#include "reference/PlainRecords.h"
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

namespace {

// The records of `text` in the usual layout, up to the first that is not;
// returns the bytes taken.
std::size_t takePlainAirports(std::string_view text, std::vector<AirportRecord>& rows) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        std::string_view icao;
        std::string_view name;
        float lat = 0;
        float lon = 0;
        const char* q = plain::text(plain::text(p, end, icao), end, name);
        q = plain::afterComma(plain::number(q, end, lat), end);
        q = plain::afterRecordEnd(plain::number(q, end, lon), end);
        if (q == nullptr)
            break;
        rows.push_back(AirportRecord{std::string(icao), std::string(name), lat, lon});
        p = q;
    }
    return static_cast<std::size_t>(p - text.data());
}

// The rest field by field, with the general reader's errors and lines.
AirportTable readRest(runtime::SequentialReader& reader, std::vector<AirportRecord>& rows) {
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

} // namespace

AirportTable readAirports(runtime::SequentialReader& reader) {
    std::vector<AirportRecord> rows;
    rows.reserve(reader.lineFeedsLeft() + 1);
    reader.skip(takePlainAirports(reader.rest(), rows));
    return readRest(reader, rows);
}

AirportTable parseAirports(std::string content) {
    runtime::SequentialReader reader(std::move(content));
    return readAirports(reader);
}

AirportTable loadAirports(const std::filesystem::path& file) {
    std::vector<AirportRecord> rows;
    runtime::BlockReader blocks(file);
    // An airport record takes some 45 bytes; capacity never touched costs
    // nothing.
    rows.reserve(blocks.fileSize() / 24 + 1);
    auto rest = plain::takeInBlocks(
        blocks, file, [&](std::string_view text) { return takePlainAirports(text, rows); });
    return rest ? readRest(*rest, rows) : AirportTable(std::move(rows));
}

} // namespace reference
