#include "Report.h"

#include <algorithm>
#include <ostream>

namespace check {

std::string jsonString(const std::string& text) {
    static const char* const hex = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void Report::open(std::ostream& out) const {
    if (format_ == Format::Json)
        out << "{\"findings\": [";
}

void Report::add(Located located) {
    (located.finding.severity == checks::Severity::Error ? errors_ : warnings_)++;
    pending_.push_back(std::move(located));
}

void Report::note(std::ostream& out, const std::string& text) const {
    if (format_ == Format::Text)
        out << text << "\n";
}

void Report::flush(std::ostream& out) {
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Located& a, const Located& b) { return a.line < b.line; });
    for (const Located& l : pending_) {
        const checks::Finding& f = l.finding;
        if (format_ == Format::Text) {
            out << l.file << ":";
            if (l.line > 0)
                out << l.line << ":";
            out << " " << checks::severityWord(f.severity) << ": " << f.message << " [" << f.check
                << "]\n";
            continue;
        }
        out << (firstRecord_ ? "\n" : ",\n") << "  {\"file\": " << jsonString(l.file)
            << ", \"line\": " << l.line << ", \"severity\": \"" << checks::severityWord(f.severity)
            << "\", \"check\": \"" << f.check << "\", \"message\": " << jsonString(f.message)
            << "}";
        firstRecord_ = false;
    }
    pending_.clear();
}

void Report::finish(std::ostream& out, int files) const {
    if (format_ == Format::Text) {
        out << files << " files, " << errors_ << " errors, " << warnings_ << " warnings\n";
        return;
    }
    out << (firstRecord_ ? "" : "\n") << "],\n\"files\": " << files << ", \"errors\": " << errors_
        << ", \"warnings\": " << warnings_ << "}\n";
}

} // namespace check
