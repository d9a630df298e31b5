#include "CheckCommand.h"

#include "Pictures.h"
#include "SourceLines.h"
#include "checks/AirportChecks.h"
#include "reference/ReferenceFolder.h"
#include "reference/UserFixFile.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"
#include "store/AirportReader.h"
#include "store/AirportWriter.h"

#include <algorithm>
#include <memory>
#include <ostream>

namespace check {

namespace fs = std::filesystem;

namespace {

// The reader's message may span lines; a finding keeps to one.
std::string oneLine(const std::string& text) {
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

bool isAirportFile(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec) &&
           runtime::toUpper(entry.path().extension().string()) == ".TXT";
}

// Files as given; folders give their airport files, recursively, sorted.
std::vector<fs::path> expandInputs(const std::vector<fs::path>& inputs) {
    std::vector<fs::path> files;
    for (const auto& input : inputs) {
        std::error_code ec;
        if (!fs::is_directory(input, ec)) {
            files.push_back(input);
            continue;
        }
        std::vector<fs::path> inFolder;
        for (fs::recursive_directory_iterator
                 it(input, fs::directory_options::skip_permission_denied, ec),
             end;
             !ec && it != end; it.increment(ec))
            if (isAirportFile(*it))
                inFolder.push_back(it->path());
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

// Rows in use in the runway table, end-of-procedure rows included: what the
// table's capacity is measured against.
int countRunwayRows(const store::RunwayTable& runways) {
    int rows = 0;
    while (!runways.rowOrEmpty(rows + 1).ID.empty())
        ++rows;
    return rows;
}

std::string countsLine(const store::ProcedureStore& store, const store::ProcedureCounters& c) {
    return std::to_string(store.FixCount) + " fixes, " +
           std::to_string(countRunwayRows(store.Runways)) + " runway rows, " +
           std::to_string(std::max<int>(c.SIDCount, 0)) + " SIDs, " + std::to_string(c.STARCount) +
           " STARs";
}

void reportReference(const fs::path& folder, const reference::ReferenceTables& tables,
                     std::ostream& out) {
    out << (folder / reference::NavaidFileName).string() << ": " << tables.navaids.size()
        << " navaids\n";
    out << (folder / reference::AirportFileName).string() << ": " << tables.airports.size()
        << " airports\n";
    out << (folder / reference::UserFixFileName).string() << ": " << tables.userFixes.UserFixCount()
        << " user fixes\n";
}

// A refusal of the reader is a finding of its own kind: the tables are too
// small for the file, or the file is not an airport file.
checks::Finding refusal(const store::ReadResult& result) {
    return {checks::Severity::Error,
            result.tableFull ? "capacity" : "unreadable",
            oneLine(result.message),
            {}};
}

class Run {
public:
    Run(const Options& options, std::ostream& out, std::ostream& err)
        : options_(options), out_(out), err_(err), report_(options.format) {}

    int go();

private:
    void checkFile(const fs::path& file);
    void found(const std::string& file, int line, checks::Finding finding) {
        if (!options_.disabled.contains(finding.check))
            report_.add({file, line, std::move(finding)});
    }
    void write(const fs::path& file, const store::ProcedureCounters& counters);
    // The progress line goes before a file's lines reach the same terminal.
    void clearProgress() {
        if (progress_)
            err_ << "\r" << std::string(40, ' ') << "\r" << std::flush;
    }
    void flush() {
        clearProgress();
        report_.flush(out_);
    }

    const Options& options_;
    std::ostream& out_;
    std::ostream& err_;
    Report report_;
    reference::ReferenceTables tables_;
    reference::AirportTable titles_;
    std::unique_ptr<store::ProcedureStore> store_ = std::make_unique<store::ProcedureStore>();
    bool writeFailed_ = false;
    bool progress_ = false;
};

int Run::go() {
    try {
        tables_ = reference::loadReferenceFolder(options_.referenceFolder);
    } catch (const runtime::RuntimeError& e) {
        err_ << "vextrel-check: the reference files in " << options_.referenceFolder.string()
             << " cannot be read: " << e.what() << "\n";
        return 2;
    }
    if (options_.reportReference && options_.format == Format::Text)
        reportReference(options_.referenceFolder, tables_, out_);
    if (!options_.writeFolder.empty()) {
        try {
            titles_ = reference::loadAirports(options_.airportsFile);
        } catch (const runtime::RuntimeError& e) {
            err_ << options_.airportsFile.string() << ": " << e.what()
                 << " (titles will carry no airport name)\n";
        }
    }
    const std::vector<fs::path> files = expandInputs(options_.inputs);
    progress_ = options_.progress && files.size() >= 20;
    report_.open(out_);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress_)
            err_ << "\rchecking " << i + 1 << " of " << files.size() << std::flush;
        checkFile(files[i]);
    }
    clearProgress();
    if (!options_.inputs.empty())
        report_.finish(out_, static_cast<int>(files.size()));
    const bool failed = report_.errors() > 0 || (options_.werror && report_.warnings() > 0);
    return failed || writeFailed_ ? 1 : 0;
}

void Run::checkFile(const fs::path& file) {
    const std::string name = file.string();
    std::string content;
    try {
        content = runtime::readWholeFile(file);
    } catch (const runtime::RuntimeError& e) {
        found(name, 0,
              {checks::Severity::Error,
               "unreadable",
               std::string("cannot be read (") + e.what() + ")",
               {}});
        flush();
        return;
    }
    store::ClearArrays(*store_);
    store_->FixCount = 0;
    store_->RunwayCount = 0;
    store::ProcedureCounters counters;
    const store::ReadResult result = store::LoadData(content, *store_, counters);
    if (!result.ok) {
        found(name, result.physicalLine, refusal(result));
        flush();
        return;
    }
    const int before = report_.errors() + report_.warnings();
    const std::string code = runtime::toUpper(file.stem().string());
    const checks::ReferenceData data{&tables_.navaids, &tables_.userFixes, code,
                                     checks::findAirport(tables_.airports, code)};
    const SourceLines lines(content);
    for (checks::Finding& f : checks::checkAirport(*store_, data, options_.disabled)) {
        // Looked up before the finding is moved: compilers differ in the
        // order they evaluate arguments.
        const int line = lines.lineOf(f.place);
        found(name, line, std::move(f));
    }
    const int now = report_.errors() + report_.warnings();
    flush();
    report_.note(out_, name + ": " + (now == before ? "ok, " : "checked, ") +
                           countsLine(*store_, counters));
    if (!options_.writeFolder.empty())
        write(file, counters);
    if (!options_.drawTo.empty()) {
        try {
            for (const fs::path& picture : drawProcedures(*store_, tables_, code, options_.drawTo))
                report_.note(out_, "wrote " + picture.string());
        } catch (const runtime::RuntimeError& e) {
            err_ << options_.drawTo.string() << ": " << e.what() << "\n";
            writeFailed_ = true;
        }
    }
}

void Run::write(const fs::path& file, const store::ProcedureCounters& counters) {
    const std::string icao = file.stem().string();
    const auto* airport = titles_.findAirport(icao);
    const store::FileHeader header{icao, airport ? airport->AirportName : std::string(),
                                   options_.author, options_.dateText};
    store::ProcedureCounters printed = counters;
    try {
        store::writeAirportFile(options_.writeFolder / file.filename(),
                                store::PrintTheSidStarFile(*store_, printed, header));
    } catch (const runtime::RuntimeError& e) {
        err_ << (options_.writeFolder / file.filename()).string() << ": " << e.what() << "\n";
        writeFailed_ = true;
    }
}

} // namespace

fs::path defaultReferenceFolder(const fs::path& toolFolder) {
    const fs::path installed = (toolFolder / VEXTREL_DATA_FROM_BIN).lexically_normal();
    if (!runtime::fileExists(toolFolder / reference::NavaidFileName) &&
        runtime::fileExists(installed / reference::NavaidFileName))
        return installed;
    return toolFolder;
}

bool parseArguments(const std::vector<std::string>& args, const fs::path& toolFolder,
                    const std::string& today, Options& options, std::string& error) {
    options = Options{};
    options.dateText = today;
    options.referenceFolder = defaultReferenceFolder(toolFolder);
    options.airportsFile = options.referenceFolder / reference::AirportFileName;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return true;
        }
        if (arg == "--version") {
            options.version = true;
            return true;
        }
        if (arg == "--werror") {
            options.werror = true;
            continue;
        }
        const bool takesValue = arg == "--write" || arg == "--date" || arg == "--author" ||
                                arg == "--airports" || arg == "--reference" || arg == "--format" ||
                                arg == "--disable" || arg == "--draw";
        if (!takesValue && arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        }
        if (!takesValue) {
            options.inputs.emplace_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = arg + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (arg == "--write") {
            options.writeFolder = value;
        } else if (arg == "--date") {
            options.dateText = value;
        } else if (arg == "--author") {
            options.author = value;
        } else if (arg == "--airports") {
            options.airportsFile = value;
        } else if (arg == "--reference") {
            options.referenceFolder = value;
            options.reportReference = true;
        } else if (arg == "--draw") {
            if (!canDraw(value, error))
                return false;
            options.drawTo = value;
        } else if (arg == "--format") {
            if (value != "text" && value != "json") {
                error = "--format takes text or json, not " + value;
                return false;
            }
            options.format = value == "json" ? Format::Json : Format::Text;
        } else {
            if (!checks::isCheckName(value)) {
                error = "no check is named " + value + " (--help lists them)";
                return false;
            }
            options.disabled.insert(value);
        }
    }
    if (options.inputs.empty() && !options.reportReference) {
        error = "no airport file given";
        return false;
    }
    return true;
}

int runCheck(const Options& options, std::ostream& out, std::ostream& err) {
    return Run(options, out, err).go();
}

void printHelp(std::ostream& out) {
    out << "usage: vextrel-check [OPTION]... FILE|FOLDER...\n"
           "Checks airport files as the editor reads them and reports what would go wrong\n"
           "in the simulator, one line a finding: FILE:LINE: error|warning: TEXT [CHECK].\n"
           "Folders are searched recursively for .txt files (any case).\n"
           "\n"
           "  --reference DIR    navaid, airport and user-fix files the checks use\n"
           "                     (default: those beside the program, else those in\n"
           "                     " VEXTREL_DATA_FROM_BIN "); prints their counts\n"
           "  --format FORMAT    text (default) or json\n"
           "  --werror           warnings fail the run too\n"
           "  --disable CHECK    turn a check off (may be repeated)\n"
           "  --write DIR        write each file that was read into DIR through the writer\n"
           "  --date TEXT        the date in the written files' header (default: today)\n"
           "  --author NAME      the author in the written files' header\n"
           "  --airports FILE    the airport file that names the airports in the header\n"
           "  --draw OUT         a picture of every SID and STAR, one file each, named\n"
           "                     OUT-AIRPORT-SID-NAME.svg (or .png) beside OUT\n"
           "  --help             this text\n"
           "  --version          the program's version\n"
           "\n"
           "Exit status: 0 clean, 1 errors found (or warnings with --werror), 2 bad usage\n"
           "or unreadable reference files.\n"
           "\n"
           "Checks:\n";
    for (const checks::CheckInfo& c : checks::checkCatalogue()) {
        std::string name(c.name);
        name.resize(std::max<std::size_t>(name.size(), 26), ' ');
        out << "  " << name << " " << checks::severityWord(c.severity) << ": " << c.what << "\n";
    }
    out << "\n"
           "Example:\n"
           "  vextrel-check --werror --disable unused-fix Airports/\n";
}

} // namespace check
