#pragma once

#include "shell/RunwayBoxAccess.h"

namespace support {

// The transition editor tested without the procedure editor behind it.
class NoProcedureEditor : public shell::RunwayBoxAccess {
public:
    void markRunwayDefined(int) override {}
    std::string airportName() const override { return {}; }
    void showAgain(bool) override {}
    void fixRenamed(const std::string&, const std::string&) override {}
};

} // namespace support
