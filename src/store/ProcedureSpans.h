#pragma once

#include "store/ProcedureStore.h"

#include <vector>

namespace store {

// The rows of one procedure or transition: first..end - 1.
struct RowSpan {
    int first = 0;
    int end = 0;
};

// The SIDs as the file holds them: a SID ends at its end-of-SID row or where
// the name changes (files reuse a SID name for other runways).
std::vector<RowSpan> sidSpans(const SIDTable& sids);

// The STARs in order; the n-th is STAR number n of the runway grid. A STAR
// without a row count (a STAR line without legs leaves one) takes the rows
// that carry its name, so the walk always moves on.
std::vector<RowSpan> starSpans(const STARTable& stars);

// The runway transitions: consecutive rows of one runway.
std::vector<RowSpan> runwaySpans(const RunwayTable& runways);

} // namespace store
