#pragma once

#include "TableDifference.h"

#include "store/AirportReader.h"
#include "store/AirportWriter.h"

#include <algorithm>
#include <string>

namespace support {

// Writes `tables` as an airport file and reads it back: "" when the tables
// read are those written and writing them again gives the same file, else
// where they differ. `readCounters` gets the counters read.
inline std::string readBackDifference(const store::ProcedureStore& tables,
                                      const store::ProcedureCounters& counters,
                                      store::ProcedureCounters* readCounters = nullptr) {
    const store::FileHeader header{"TEST", "", "", "1/1/2000"};
    // Scratch tables kept between calls: assigning reuses their rows.
    static store::ProcedureStore written;
    static store::ProcedureStore read;
    written = tables;
    store::ProcedureCounters writtenCounters = counters;
    const std::string text = store::PrintTheSidStarFile(written, writtenCounters, header);
    store::ProcedureCounters again;
    const store::ReadResult result = store::LoadData(text, read, again);
    if (!result.ok)
        return "the written file is refused on reading: " + result.message;
    if (readCounters)
        *readCounters = again;
    // The writer sorted `written`'s fixes: the tables read back are those.
    // Which fixes an arc made is known to the session only, not to the file.
    for (int row = 1; row <= store::FixCapacity; ++row)
        written.Fixes[row].IsArcPoint = store::False;
    if (std::string difference = tablecheck::tableDifference(written, read); !difference.empty())
        return "written and read back, the tables differ at " + difference + " of:\n" + text;
    const std::string second = store::PrintTheSidStarFile(read, again, header);
    if (second != text) {
        const auto at = std::mismatch(text.begin(), text.end(), second.begin(), second.end()).first;
        return "written, read back and written again, the file differs from '" +
               std::string(at, std::min(at + 60, text.end())) + "'";
    }
    return {};
}

} // namespace support
