#pragma once

#include <vector>

#include "framework/class_info.h"

namespace fuzz {

// The classes a designed layout is read against: the framework's window and controls, and the
// program's two windows, which add properties of their own. A layout fuzz input's first byte picks
// one of them, modulo their count.
const std::vector<const fw::ClassInfo*>& LayoutClasses();

}  // namespace fuzz
