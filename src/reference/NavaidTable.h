#pragma once

#include "runtime/Sequential.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

inline constexpr const char* NavaidFileName = "AllFlyNavaids.txt";

struct NavaidRecord {
    std::string NavaidID;
    float NavaidLat = 0;
    float NavaidLong = 0;
    float NavaidFreq = 0;

    bool operator==(const NavaidRecord&) const = default;
};

// Rows first..last, both inclusive and 1-based; empty when last < first.
struct NavaidRange {
    std::int32_t first = 1;
    std::int32_t last = 0;

    bool empty() const { return last < first; }
    bool operator==(const NavaidRange&) const = default;
};

// First characters that open the letter groups after the first one (below
// "C", "C" to below "E", ..., "U" and above).
inline constexpr std::array<char, 7> NavaidGroupStarts = {'C', 'E', 'I', 'L', 'N', 'S', 'U'};
inline constexpr int NavaidGroupCount = static_cast<int>(NavaidGroupStarts.size()) + 1;

// The group of an identifier by its first byte, compared ordinally; an empty
// identifier falls in the first group.
int navaidGroup(std::string_view identifier);

// The simulator's navaids, rows 1..size() in ascending ordinal order of
// NavaidID, duplicates on consecutive rows. Never changed once loaded.
class NavaidTable {
public:
    NavaidTable() = default;
    // Rows in file order. A file out of order is sorted (stably, so
    // duplicates keep their file order), since lookups rely on the order.
    explicit NavaidTable(std::vector<NavaidRecord> rows);

    std::int32_t size() const { return static_cast<std::int32_t>(rows_.size()); }
    bool fits(std::int32_t row) const { return row >= 1 && row <= size(); }
    // Throws std::out_of_range outside 1..size().
    const NavaidRecord& operator[](std::int32_t row) const;

    // Rows of each letter group, taken from the loaded rows.
    const std::array<NavaidRange, NavaidGroupCount>& NavaidLetterRanges() const { return ranges_; }
    NavaidRange rangeFor(std::string_view identifier) const {
        return ranges_[static_cast<std::size_t>(navaidGroup(identifier))];
    }

    // First row whose NavaidID equals the identifier exactly, or 0; a binary
    // search in the identifier's letter group.
    std::int32_t findFirst(std::string_view identifier) const;

private:
    friend class NavaidLoading;
    // Rows the loader saw in order need no second pass to check it.
    NavaidTable(std::vector<NavaidRecord> rows, bool sorted);
    void index(bool sorted);

    std::vector<NavaidRecord> rows_;
    std::array<NavaidRange, NavaidGroupCount> ranges_{};
};

// Records of four fields (identifier, latitude, longitude, frequency) to the
// end of the input. Throws runtime::RuntimeError: 62 on a record cut short,
// 13 on a field that is not a number, 6 on a number beyond single precision.
NavaidTable readNavaids(runtime::SequentialReader& reader);
NavaidTable parseNavaids(std::string content);
// Also 53/76 when the file cannot be opened.
NavaidTable loadNavaids(const std::filesystem::path& file);

} // namespace reference
