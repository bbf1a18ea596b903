#pragma once

#include <string>
#include <vector>

#include "framework/layout_string.h"

// The calculator window's own designed layout.
const std::string& WinMainDesign();

// The calculator window's seventeen controls with their designed layouts, in creation order, which
// is also their tab order.
const std::vector<fw::ControlDesign>& WinMainControlDesigns();
