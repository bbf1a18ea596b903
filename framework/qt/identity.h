#pragma once

// Who the program is to the desktop: the name its message boxes are titled with, the desktop entry
// that describes it and the icon its windows carry. All three come from the build, as the name and
// icon come from a bundle's metadata on macOS.

#include <QString>

namespace fw {

// The program's name as the user knows it.
QString ApplicationName();

// Tells the toolkit the desktop entry's name and gives every window, message boxes included, the
// program's icon. Window titles stay exactly as the program sets them.
void DeclareApplicationIdentity();

}  // namespace fw
