#pragma once

#include <string>
#include <vector>

#include "framework/layout_string.h"

// The credits window's own designed layout.
const std::string& CreditsDesign();

// The credits window's five controls with their designed layouts, in creation order, which is also
// their tab order. Each control's records stand in ascending byte order of their names.
const std::vector<fw::ControlDesign>& CreditsControlDesigns();
