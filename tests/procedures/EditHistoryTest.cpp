// The history keeps only the rows a step changed: rows inserted, removed or
// changed anywhere in a table come back exactly on undo and redo.
#include "procedures/EditHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct Count {
    int value = 0;
    bool operator==(const Count&) const = default;
};

struct Tables {
    store::ProcedureStore store;
    procedures::EditHistory<Count, int> history{
        {&store.Fixes, &store.Runways, &store.SIDs, &store.STARs, &store.STARRunways}};
};

// Rows 1..rows of the STAR table, as names.
std::vector<std::string> starNames(const store::ProcedureStore& s) {
    std::vector<std::string> names;
    for (int i = 1; i <= store::STARCapacity; ++i)
        names.push_back(s.STARs[i].Name);
    return names;
}

void insertSTAR(store::ProcedureStore& s, int at, const std::string& name) {
    for (int i = store::STARCapacity; i > at; --i)
        s.STARs[i] = s.STARs[i - 1];
    s.STARs[at] = store::STARWaypoint{};
    s.STARs[at].Name = name;
}

void removeSTAR(store::ProcedureStore& s, int at) {
    for (int i = at; i < store::STARCapacity; ++i)
        s.STARs[i] = s.STARs[i + 1];
    s.STARs[store::STARCapacity] = {};
}

TEST(EditHistory, EveryEditComesBackOnUndoAndRedo) {
    auto t = std::make_unique<Tables>();
    std::mt19937 random(7);
    for (int i = 1; i <= 20; ++i)
        t->store.STARs[i].Name = "S" + std::to_string(i);
    t->history.start({});
    std::vector<std::vector<std::string>> states{starNames(t->store)};
    for (int step = 0; step < 300; ++step) {
        const int rows = static_cast<int>(std::count_if(states.back().begin(), states.back().end(),
                                                        [](auto& n) { return !n.empty(); }));
        const int at = 1 + static_cast<int>(random() % static_cast<unsigned>(rows + 1));
        switch (random() % 4) {
        case 0:
            if (rows < store::STARCapacity)
                insertSTAR(t->store, at, "N" + std::to_string(step));
            break;
        case 1:
            if (at <= rows)
                removeSTAR(t->store, at);
            break;
        case 2:
            // A rename that reaches rows far apart.
            t->store.STARs[1].Name += "x";
            if (rows > 1)
                t->store.STARs[rows].Name += "y";
            break;
        default:
            t->store.STARRunways(1 + static_cast<int>(random() % 40), 1) = std::to_string(step);
            t->store.Fixes[1 + static_cast<int>(random() % 5)].Name = std::to_string(step);
            break;
        }
        if (t->history.record("step", {step}, step, step))
            states.push_back(starNames(t->store));
        ASSERT_TRUE(t->history.recorded());
    }
    const auto full = std::make_unique<store::ProcedureStore>(t->store);
    for (std::size_t k = states.size() - 1; k > 0; --k) {
        ASSERT_TRUE(t->history.canUndo());
        t->history.undo();
        ASSERT_EQ(starNames(t->store), states[k - 1]) << "undoing step " << k;
    }
    EXPECT_FALSE(t->history.canUndo());
    while (t->history.canRedo())
        t->history.redo();
    EXPECT_EQ(starNames(t->store), states.back());
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(t->store.Fixes[i], full->Fixes[i]);
    for (int s = 1; s <= 40; ++s)
        EXPECT_EQ(t->store.STARRunways(s, 1), full->STARRunways(s, 1));
}

} // namespace
