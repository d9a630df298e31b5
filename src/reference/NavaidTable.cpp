#include "reference/NavaidTable.h"

#include "reference/SingleField.h"
#include "runtime/Text.h"

#include <algorithm>
#include <stdexcept>

namespace reference {

namespace {

bool idLess(const NavaidRecord& a, const NavaidRecord& b) {
    return runtime::lessOrdinal(a.NavaidID, b.NavaidID);
}

} // namespace

int navaidGroup(std::string_view identifier) {
    const std::string_view first = identifier.substr(0, 1);
    int group = 0;
    for (const char start : NavaidGroupStarts)
        if (!runtime::lessOrdinal(first, std::string_view(&start, 1)))
            ++group;
    return group;
}

NavaidTable::NavaidTable(std::vector<NavaidRecord> rows) : rows_(std::move(rows)) {
    if (!std::is_sorted(rows_.begin(), rows_.end(), idLess))
        std::stable_sort(rows_.begin(), rows_.end(), idLess);
    // Each group starts at the first row whose identifier is not below the
    // group's first character; the groups are contiguous because the rows
    // are sorted.
    std::int32_t first = 1;
    for (int group = 0; group < NavaidGroupCount; ++group) {
        std::int32_t next = size() + 1;
        if (group + 1 < NavaidGroupCount) {
            const auto it = std::partition_point(rows_.begin(), rows_.end(), [&](const auto& r) {
                return navaidGroup(r.NavaidID) <= group;
            });
            next = static_cast<std::int32_t>(it - rows_.begin()) + 1;
        }
        ranges_[static_cast<std::size_t>(group)] = {first, next - 1};
        first = next;
    }
}

const NavaidRecord& NavaidTable::operator[](std::int32_t row) const {
    if (!fits(row))
        throw std::out_of_range("navaid row " + std::to_string(row));
    return rows_[static_cast<std::size_t>(row - 1)];
}

std::int32_t NavaidTable::findFirst(std::string_view identifier) const {
    const NavaidRange range = rangeFor(identifier);
    if (range.empty())
        return 0;
    const auto begin = rows_.begin() + (range.first - 1);
    const auto end = rows_.begin() + range.last;
    const auto it =
        std::lower_bound(begin, end, identifier, [](const auto& r, std::string_view id) {
            return runtime::lessOrdinal(r.NavaidID, id);
        });
    if (it == end || it->NavaidID != identifier)
        return 0;
    return static_cast<std::int32_t>(it - rows_.begin()) + 1;
}

NavaidTable readNavaids(runtime::SequentialReader& reader) {
    std::vector<NavaidRecord> rows;
    rows.reserve(reader.lineFeedsLeft() + 1);
    while (!reader.atEnd()) {
        reader.beginRecord();
        NavaidRecord r;
        r.NavaidID = reader.readText();
        r.NavaidLat = readSingle(reader);
        r.NavaidLong = readSingle(reader);
        r.NavaidFreq = readSingle(reader);
        rows.push_back(std::move(r));
    }
    return NavaidTable(std::move(rows));
}

NavaidTable parseNavaids(std::string content) {
    runtime::SequentialReader reader(std::move(content));
    return readNavaids(reader);
}

NavaidTable loadNavaids(const std::filesystem::path& file) {
    auto reader = runtime::SequentialReader::open(file);
    return readNavaids(reader);
}

} // namespace reference
