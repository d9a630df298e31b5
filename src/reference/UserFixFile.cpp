#include "reference/UserFixFile.h"

#include "reference/SingleField.h"
#include "runtime/TextFiles.h"

namespace reference {

UserFixTable readUserFixes(runtime::SequentialReader& reader) {
    UserFixTable table;
    while (!reader.atEnd()) {
        reader.beginRecord();
        store::FixRecord fix;
        fix.Name = reader.readText();
        fix.TypeOfID = reader.readText();
        fix.LatDeg = reader.readText();
        fix.LatMin = reader.readText();
        fix.HemLat = reader.readText();
        fix.LongDeg = reader.readText();
        fix.LongMin = reader.readText();
        fix.HemLong = reader.readText();
        fix.VOR = reader.readText();
        fix.Heading = readSingle(reader);
        fix.VORDist = readSingle(reader);
        if (!table.append(std::move(fix)))
            reader.fail(OverflowError, "more user fixes than the table holds");
    }
    return table;
}

UserFixTable parseUserFixes(std::string content) {
    runtime::SequentialReader reader(std::move(content));
    return readUserFixes(reader);
}

UserFixTable loadUserFixes(const std::filesystem::path& file) {
    auto reader = runtime::SequentialReader::open(file);
    return readUserFixes(reader);
}

std::string formatUserFixes(const UserFixTable& userFixes) {
    runtime::SequentialWriter writer;
    for (const store::FixRecord& fix : userFixes.rows()) {
        if (fix.IsArcPoint != store::False || fix.Name.empty())
            continue;
        writer.text(fix.Name);
        writer.text(fix.TypeOfID);
        writer.cell(fix.LatDeg);
        writer.cell(fix.LatMin);
        writer.text(fix.HemLat);
        writer.cell(fix.LongDeg);
        writer.cell(fix.LongMin);
        writer.text(fix.HemLong);
        writer.text(fix.VOR);
        writer.number(fix.Heading);
        writer.number(fix.VORDist);
        writer.endRecord();
    }
    return writer.content();
}

void SaveFixes(const UserFixTable& userFixes, const std::filesystem::path& file) {
    runtime::writeFileReplacing(file, formatUserFixes(userFixes));
}

} // namespace reference
