#pragma once

#include <memory>

#include "framework/picture.h"
#include "framework/sound.h"

// The bundle's pictures and sound, each read when first asked for and kept for the rest of the run.
// A picture that cannot be read is sought again on the next call; the sound is sought once per run.

// The calculator picture, or nothing.
std::shared_ptr<fw::Picture> loanCalc();
// The maker's logo, or nothing.
std::shared_ptr<fw::Picture> QuorvaneUpdatedLogosmall();
// The cash-register sound, or nothing when the file is missing or cannot be read.
std::shared_ptr<fw::Sound> cashregister();
