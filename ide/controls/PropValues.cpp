#include "PropValues.h"

namespace kforge {

void PropValues::Add(const std::string& text) { items_.push_back(text); }

}  // namespace kforge
