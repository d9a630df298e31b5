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
        starts_.push_back(physical_);
    } else if (!lines_.atEnd()) {
        line = lines_.readLine();
        starts_.push_back(++physical_);
    } else {
        return false;
    }
    if (startsProcedureLine(line)) {
        while (!lines_.atEnd()) {
            std::string following = lines_.readLine();
            ++physical_;
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

int LogicalLines::physicalLine(int logical) const {
    return logical >= 1 && logical < static_cast<int>(starts_.size())
               ? starts_[static_cast<std::size_t>(logical)]
               : 0;
}

} // namespace store
