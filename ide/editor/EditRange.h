#pragma once

namespace kforge {

// A selection in 0-based lines and columns (a column counts bytes).
struct Range {
    int startLine = 0;
    int startCol = 0;
    int endLine = 0;
    int endCol = 0;
};

}  // namespace kforge
