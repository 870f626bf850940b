#pragma once

namespace kforge {

// Loads the common-control classes the IDE uses (tree view, bars, the
// standard classes); call once at start-up, later calls do nothing.
void InitCommonControlsOnce();

}  // namespace kforge
