#include "store/AirportLines.h"

namespace store {

bool startsProcedureLine(std::string_view line) {
    return line.starts_with("RNW ") || line.starts_with("SID ") || line.starts_with("STAR ");
}

bool endsContinuation(std::string_view line) {
    return line.starts_with("RNW ") || line.starts_with("ENDR") || line.starts_with("SID ") ||
           line.starts_with("ENDS") || line.starts_with("STAR ") || line.starts_with("/");
}

bool LogicalLines::next(std::string& line) {
    if (pending_) {
        line = std::move(*pending_);
        pending_.reset();
    } else if (!lines_.atEnd()) {
        line = lines_.readLine();
    } else {
        return false;
    }
    if (startsProcedureLine(line)) {
        while (!lines_.atEnd()) {
            std::string following = lines_.readLine();
            if (endsContinuation(following)) {
                pending_ = std::move(following);
                break;
            }
            line += following;
        }
    }
    ++count_;
    return true;
}

} // namespace store
