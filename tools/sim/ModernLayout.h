// The pages of engines from the user's engines file: a plain, modern-looking
// result list in one of a few common shapes. The shape served is the first
// whose ten result links the engine's own rule selects, so the rule is put to
// the test as a real engine's page would.
#pragma once

#include <string>
#include <string_view>

#include "sim/PageLayout.h"

namespace kestrova::sim {

inline constexpr int kModernShapes = 3;

// The HTML of one result page in `shape` (0 to kModernShapes - 1), padded as the
// built-in layouts are (`minimumBytes` 0: a size chosen by the page seed).
std::string RenderModernPage(const ResultPageInput& input, int shape, long minimumBytes = 0);

// The first shape whose result links `rule` selects exactly, in page order;
// -1 when it selects those of none.
int ModernShapeFor(const EngineRecord& engine);

}  // namespace kestrova::sim
