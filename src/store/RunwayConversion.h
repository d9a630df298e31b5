#pragma once

#include "store/ProcedureStore.h"

namespace store {

struct ConversionResult {
    bool ok = true;
    // On overflow: the row as read whose place in the converted table would
    // lie past the capacity.
    int inputRow = 0;
};

// Rewrites Runways from the layout the reader builds (a header row holding
// the end point, then the waypoints, FROM rows starting further branches)
// into one where every branch ends in an EOP row repeating the end point.
// When the result would not fit in the table, Runways is left as it was.
ConversionResult ConvertRWArray(RunwayTable& runways);

} // namespace store
