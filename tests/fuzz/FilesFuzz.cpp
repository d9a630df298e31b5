// Feeds arbitrary bytes to the airport file reader and writer and to the
// three reference-file loaders. The first byte chooses the reader. Whatever
// the airport reader accepts has to come back from what the writer makes of
// it: the same tables, nothing merged, lost or moved.
#include "reference/AirportTable.h"
#include "reference/NavaidLookup.h"
#include "reference/NavaidTable.h"
#include "reference/UserFixFile.h"
#include "runtime/RuntimeError.h"
#include "store/AirportReader.h"
#include "store/AirportWriter.h"
#include "support/TableDifference.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& written) {
    std::fprintf(stderr, "%s\n--- written ---\n%s\n", what.c_str(), written.c_str());
    std::abort();
}

void readAirportFile(const std::string& content) {
    static auto first = std::make_unique<store::ProcedureStore>();
    static auto again = std::make_unique<store::ProcedureStore>();
    store::ProcedureCounters counters;
    if (!store::LoadData(content, *first, counters).ok)
        return;
    const store::FileHeader header{"KFUZ", "Fuzz", "Author", "1/1/2000"};
    // The writer sorts the fixes in place, so the tables compared are the
    // ones it wrote.
    const std::string written = store::PrintTheSidStarFile(*first, counters, header);
    store::ProcedureCounters readBack;
    const auto result = store::LoadData(written, *again, readBack);
    if (!result.ok)
        fail("the written file is refused: " + result.message, written);
    if (const std::string difference = tablecheck::tableDifference(*first, *again);
        !difference.empty())
        fail("the tables read back differ: " + difference, written);
    if (readBack.STARRowCount != counters.STARRowCount ||
        readBack.SIDRowNext != counters.SIDRowNext || again->FixCount != first->FixCount)
        fail("the row counts read back differ", written);
    if (store::PrintTheSidStarFile(*again, readBack, header) != written)
        fail("writing the tables read back gives another file", written);
}

template <class Load> void loadReference(const std::string& content, Load load) {
    try {
        load(content);
    } catch (const runtime::RuntimeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string content(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 4) {
    case 0:
        readAirportFile(content);
        break;
    case 1:
        loadReference(content, [](const std::string& c) {
            const auto navaids = reference::parseNavaids(c);
            reference::ReferencePosition position{47.4, -122.3};
            if (navaids.size() > 0)
                reference::LookUpNavaid(navaids, navaids[1].NavaidID, position);
        });
        break;
    case 2:
        loadReference(content, [](const std::string& c) { reference::parseAirports(c); });
        break;
    default:
        loadReference(content, [](const std::string& c) {
            const auto fixes = reference::parseUserFixes(c);
            reference::parseUserFixes(reference::formatUserFixes(fixes));
        });
        break;
    }
    return 0;
}
