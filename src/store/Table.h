#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace store {

// A fixed-capacity table with rows 1..Capacity. An index outside that range
// is a programming error and throws; callers check `fits` first.
template <class Row, int Capacity> class Table {
public:
    static constexpr int capacity = Capacity;

    Table() : rows_(static_cast<std::size_t>(Capacity) + 1) {}

    static bool fits(int index) { return index >= 1 && index <= Capacity; }

    Row& operator[](int index) {
        const std::size_t row = checked(index);
        touched_ = std::max(touched_, row);
        return rows_[row];
    }
    const Row& operator[](int index) const { return rows_[checked(index)]; }

    // The row, or an empty one past the capacity: walks that look at the row
    // after the last one in use stay inside the table.
    const Row& rowOrEmpty(int index) const {
        static const Row empty{};
        return fits(index) ? rows_[static_cast<std::size_t>(index)] : empty;
    }

    // Only rows ever handed out for writing can hold anything, so clearing
    // stops there: the tables are cleared on every opening and save.
    void clear() {
        for (std::size_t i = 1; i <= touched_; ++i)
            rows_[i] = Row{};
        touched_ = 0;
    }

private:
    static std::size_t checked(int index) {
        if (!fits(index))
            throw std::out_of_range("table row " + std::to_string(index) + " outside 1.." +
                                    std::to_string(Capacity));
        return static_cast<std::size_t>(index);
    }
    std::vector<Row> rows_;
    std::size_t touched_ = 0;
};

// Runway identifiers of each STAR: (star, slot), both 1-based. A STAR's list
// ends at its first empty cell.
template <int Stars, int Slots> class Grid {
public:
    static constexpr int stars = Stars;
    static constexpr int slots = Slots;

    Grid() : cells_(static_cast<std::size_t>(Stars * Slots)) {}

    static bool fits(int star, int slot) {
        return star >= 1 && star <= Stars && slot >= 1 && slot <= Slots;
    }
    std::string& operator()(int star, int slot) {
        const std::size_t cell = checked(star, slot);
        touched_ = std::max(touched_, cell + 1);
        return cells_[cell];
    }
    const std::string& operator()(int star, int slot) const {
        return cells_.at(checked(star, slot));
    }
    const std::string& cellOrEmpty(int star, int slot) const {
        static const std::string empty;
        return fits(star, slot) ? cells_[checked(star, slot)] : empty;
    }
    void clear() {
        for (std::size_t i = 0; i < touched_; ++i)
            cells_[i].clear();
        touched_ = 0;
    }

private:
    static std::size_t checked(int star, int slot) {
        if (!fits(star, slot))
            throw std::out_of_range("STAR runway cell outside the grid");
        return static_cast<std::size_t>((star - 1) * Slots + (slot - 1));
    }
    std::vector<std::string> cells_;
    std::size_t touched_ = 0;
};

} // namespace store
