#pragma once
// The picture canvas of quorvan-lab: the window's QImage canvas in a build
// with Qt, nothing in a build without it.
#include <memory>

#include "cli/script.h"

namespace quorvan {

// A fresh canvas of the window's size, or null when this build cannot write
// pictures. Needs no display: the image is painted in memory.
std::unique_ptr<PictureCanvas> makePictureCanvas();

}  // namespace quorvan
