#pragma once

#include "store/AirportReader.h"
#include "store/AirportWriter.h"
#include "store/ProcedureStore.h"
#include "support/TableDifference.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace storetest {

struct Loaded {
    store::ProcedureStore store;
    store::ProcedureCounters counters;
    store::ReadResult result;
};

inline std::unique_ptr<Loaded> load(std::string_view content) {
    auto loaded = std::make_unique<Loaded>();
    loaded->result = store::LoadData(content, loaded->store, loaded->counters);
    return loaded;
}

// Lines joined the way the writer ends them.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines)
        (text += line) += "\r\n";
    return text;
}

inline std::string write(Loaded& loaded,
                         const store::FileHeader& header = {"ZZZZ", "", "", "1/2/2027"}) {
    return store::PrintTheSidStarFile(loaded.store, loaded.counters, header);
}

// Field by field, every row of every table.
inline ::testing::AssertionResult sameTables(const store::ProcedureStore& a,
                                             const store::ProcedureStore& b) {
    const std::string difference = tablecheck::tableDifference(a, b);
    if (difference.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << difference << " differs";
}

inline bool isEmpty(const store::ProcedureStore& s) {
    return sameTables(s, store::ProcedureStore{});
}

} // namespace storetest
