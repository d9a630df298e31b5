#include "CheckCommand.h"

#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "reference/ReferenceFolder.h"
#include "reference/UserFixFile.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "store/AirportReader.h"
#include "store/AirportWriter.h"

#include <algorithm>
#include <memory>
#include <ostream>

namespace check {

namespace fs = std::filesystem;

namespace {

// The reader's message may span lines; the report keeps one line per file.
std::string oneLine(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<fs::path> expandInputs(const std::vector<fs::path>& inputs) {
    std::vector<fs::path> files;
    for (const auto& input : inputs) {
        std::error_code ec;
        if (!fs::is_directory(input, ec)) {
            files.push_back(input);
            continue;
        }
        std::vector<fs::path> inFolder;
        for (const auto& entry : fs::directory_iterator(input, ec))
            if (entry.is_regular_file() &&
                runtime::toUpper(entry.path().extension().string()) == ".TXT")
                inFolder.push_back(entry.path());
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

int countSIDs(const store::ProcedureCounters& counters) {
    return std::max<int>(counters.SIDCount, 0);
}

// Rows in use in the runway table, end-of-procedure rows included: what the
// table's capacity is measured against.
int countRunwayRows(const store::RunwayTable& runways) {
    int rows = 0;
    while (!runways.rowOrEmpty(rows + 1).ID.empty())
        ++rows;
    return rows;
}

void reportReference(const fs::path& folder, std::ostream& out) {
    const auto tables = reference::loadReferenceFolder(folder);
    out << (folder / reference::NavaidFileName).string() << ": " << tables.navaids.size()
        << " navaids\n";
    out << (folder / reference::AirportFileName).string() << ": " << tables.airports.size()
        << " airports\n";
    out << (folder / reference::UserFixFileName).string() << ": " << tables.userFixes.UserFixCount()
        << " user fixes\n";
}

} // namespace

bool parseArguments(const std::vector<std::string>& args, const fs::path& toolFolder,
                    const std::string& today, Options& options, std::string& error) {
    options = Options{};
    options.dateText = today;
    options.airportsFile = toolFolder / reference::AirportFileName;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--write" || arg == "--date" || arg == "--author" ||
                                arg == "--airports" || arg == "--reference";
        if (takesValue) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (arg == "--write")
                options.writeFolder = value;
            else if (arg == "--date")
                options.dateText = value;
            else if (arg == "--author")
                options.author = value;
            else if (arg == "--airports")
                options.airportsFile = value;
            else
                options.referenceFolder = value;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else {
            options.inputs.emplace_back(arg);
        }
    }
    if (options.inputs.empty() && options.referenceFolder.empty()) {
        error = "no airport file given";
        return false;
    }
    return true;
}

int runCheck(const Options& options, std::ostream& out, std::ostream& err) {
    int status = 0;
    if (!options.referenceFolder.empty()) {
        try {
            reportReference(options.referenceFolder, out);
        } catch (const runtime::RuntimeError& e) {
            err << options.referenceFolder.string() << ": " << e.what() << "\n";
            status = 1;
        }
    }
    reference::AirportTable airports;
    if (!options.writeFolder.empty()) {
        try {
            airports = reference::loadAirports(options.airportsFile);
        } catch (const runtime::RuntimeError& e) {
            err << options.airportsFile.string() << ": " << e.what()
                << " (titles will carry no airport name)\n";
        }
    }
    const auto store = std::make_unique<store::ProcedureStore>();
    for (const auto& file : expandInputs(options.inputs)) {
        store::ClearArrays(*store);
        store->FixCount = 0;
        store->RunwayCount = 0;
        store::ProcedureCounters counters;
        store::ReadResult result;
        try {
            result = store::LoadDataFromFile(file, *store, counters);
        } catch (const runtime::RuntimeError& e) {
            out << file.string() << ": cannot be read (" << e.what() << ")\n";
            status = 1;
            continue;
        }
        if (!result.ok) {
            out << file.string() << ": " << oneLine(result.message) << "\n";
            status = 1;
            continue;
        }
        out << file.string() << ": ok, " << store->FixCount << " fixes, "
            << countRunwayRows(store->Runways) << " runway rows, " << countSIDs(counters)
            << " SIDs, " << counters.STARCount << " STARs\n";
        if (options.writeFolder.empty())
            continue;
        const std::string icao = file.stem().string();
        const auto* airport = airports.findAirport(icao);
        const store::FileHeader header{icao, airport ? airport->AirportName : std::string(),
                                       options.author, options.dateText};
        try {
            store::writeAirportFile(options.writeFolder / file.filename(),
                                    store::PrintTheSidStarFile(*store, counters, header));
        } catch (const runtime::RuntimeError& e) {
            err << (options.writeFolder / file.filename()).string() << ": " << e.what() << "\n";
            status = 1;
        }
    }
    return status;
}

} // namespace check
