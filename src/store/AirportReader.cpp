#include "store/AirportReader.h"

#include "runtime/TextFiles.h"
#include "store/AirportLines.h"
#include "store/AirportParser.h"

#include <stdexcept>

namespace store {

std::string GetToken(std::string_view currentLine, std::size_t& tokenPos) {
    std::size_t i = tokenPos == 0 ? 0 : tokenPos - 1;
    if (i > currentLine.size())
        i = currentLine.size();
    while (i < currentLine.size() && currentLine[i] == ' ')
        ++i;
    const std::size_t start = i;
    while (i < currentLine.size() && currentLine[i] != ' ')
        ++i;
    tokenPos = i + 1;
    return std::string(currentLine.substr(start, i - start));
}

namespace {

bool isSkipped(const std::string& line) {
    // Every line starting with "E" goes, so the section end keywords at the
    // start of a line have no effect.
    return line.empty() || line[0] == '/' || line[0] == 'E' || line[0] == 'o';
}

} // namespace

ReadResult LoadData(std::string_view content, ProcedureStore& store, ProcedureCounters& counters) {
    const Flag fixesDefined = store.FixesDefined;
    ClearArrays(store);
    AirportParser parser(store);
    LogicalLines lines(content);
    std::string line;
    try {
        try {
            while (lines.next(line)) {
                if (isSkipped(line))
                    continue;
                parser.parse(std::move(line), lines.count());
                parser.finishLine();
            }
            parser.finishFile(counters);
            return {};
        } catch (const std::out_of_range&) {
            // A row outside a table is a case the checks above missed: the
            // file is refused at the line reached, never half read.
            parser.refuseFullAtLine(lines.count(), "cannot be held by the tables.");
        }
    } catch (const ParseRefusal& refused) {
        ClearArrays(store);
        counters = ProcedureCounters{};
        store.FixCount = 0;
        store.RunwayCount = 0;
        store.FixesDefined = fixesDefined;
        ReadResult result = refused.result;
        result.physicalLine = lines.physicalLine(result.line);
        return result;
    }
}

ReadResult LoadDataFromFile(const std::filesystem::path& file, ProcedureStore& store,
                            ProcedureCounters& counters) {
    return LoadData(runtime::readWholeFile(file), store, counters);
}

} // namespace store
