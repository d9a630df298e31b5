// Feeds arbitrary bytes to the airport file reader and writer and to the
// three reference-file loaders. The first byte chooses the reader.
#include "reference/AirportTable.h"
#include "reference/NavaidLookup.h"
#include "reference/NavaidTable.h"
#include "reference/UserFixFile.h"
#include "runtime/RuntimeError.h"
#include "store/AirportReader.h"
#include "store/AirportWriter.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

void readAirportFile(const std::string& content) {
    static auto store = std::make_unique<store::ProcedureStore>();
    store::ClearArrays(*store);
    store->FixCount = 0;
    store->RunwayCount = 0;
    store::ProcedureCounters counters;
    const auto result = store::LoadData(content, *store, counters);
    if (!result.ok)
        return;
    // What was read must be writable and read back.
    const std::string written =
        store::PrintTheSidStarFile(*store, counters, {"KFUZ", "Fuzz", "Author", "1/1/2000"});
    store::ClearArrays(*store);
    store::ProcedureCounters again;
    store::LoadData(written, *store, again);
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
