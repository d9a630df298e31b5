#include "reference/NavaidTable.h"

#include "reference/PlainRecords.h"
#include "reference/SingleField.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"

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
    index(std::is_sorted(rows_.begin(), rows_.end(), idLess));
}

NavaidTable::NavaidTable(std::vector<NavaidRecord> rows, bool sorted) : rows_(std::move(rows)) {
    index(sorted);
}

void NavaidTable::index(bool sorted) {
    if (!sorted)
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

namespace {

// The first eight bytes of an identifier as a number that orders as the
// bytes do, zeros after a shorter one: most neighbours compare by it alone.
std::uint64_t orderKey(std::string_view id) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = key << 8 | (i < id.size() ? static_cast<unsigned char>(id[i]) : 0u);
    return key;
}

} // namespace

// Rows as they are read, and whether they are still in order.
class NavaidLoading {
public:
    std::vector<NavaidRecord> rows;
    std::uint64_t lastKey = 0;
    bool sorted = true;

    void add(std::string_view id, float lat, float lon, float freq) {
        const std::uint64_t key = orderKey(id);
        if (sorted && !rows.empty()) {
            const std::string_view last = rows.back().NavaidID;
            if (key != lastKey ? key < lastKey
                               : (id.size() > 8 || last.size() > 8 ? runtime::lessOrdinal(id, last)
                                                                   : id.size() < last.size()))
                sorted = false;
        }
        lastKey = key;
        rows.push_back(NavaidRecord{std::string(id), lat, lon, freq});
    }

    NavaidTable table() { return NavaidTable(std::move(rows), sorted); }
};

namespace {

// The records of `text` in the usual layout, up to the first that is not;
// returns the bytes taken.
std::size_t takePlainNavaids(std::string_view text, NavaidLoading& out) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        std::string_view id;
        float lat = 0;
        float lon = 0;
        float freq = 0;
        const char* q = plain::text(p, end, id);
        q = plain::afterComma(plain::number(q, end, lat), end);
        q = plain::afterComma(plain::number(q, end, lon), end);
        q = plain::afterRecordEnd(plain::number(q, end, freq), end);
        if (q == nullptr)
            break;
        out.add(id, lat, lon, freq);
        p = q;
    }
    return static_cast<std::size_t>(p - text.data());
}

// The rest field by field, with the general reader's errors and lines.
NavaidTable readRest(runtime::SequentialReader& reader, NavaidLoading& out) {
    while (!reader.atEnd()) {
        reader.beginRecord();
        const std::string id = reader.readText();
        const float lat = readSingle(reader);
        const float lon = readSingle(reader);
        const float freq = readSingle(reader);
        out.add(id, lat, lon, freq);
    }
    return out.table();
}

} // namespace

NavaidTable readNavaids(runtime::SequentialReader& reader) {
    NavaidLoading out;
    out.rows.reserve(reader.lineFeedsLeft() + 1);
    reader.skip(takePlainNavaids(reader.rest(), out));
    return readRest(reader, out);
}

NavaidTable parseNavaids(std::string content) {
    runtime::SequentialReader reader(std::move(content));
    return readNavaids(reader);
}

NavaidTable loadNavaids(const std::filesystem::path& file) {
    NavaidLoading out;
    runtime::BlockReader blocks(file);
    // Counting the lines first would mean reading the file twice; a navaid
    // record takes some 30 bytes, and capacity never touched costs nothing.
    out.rows.reserve(blocks.fileSize() / 16 + 1);
    auto rest = plain::takeInBlocks(
        blocks, file, [&](std::string_view text) { return takePlainNavaids(text, out); });
    return rest ? readRest(*rest, out) : out.table();
}

} // namespace reference
