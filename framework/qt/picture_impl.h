#pragma once

#include <QPixmap>

#include "framework/picture.h"

namespace fw {

struct Picture::Impl {
    QPixmap pixmap;  // carries its device pixel ratio: 2 for a high-density variant
};

}  // namespace fw
