// A build without Qt has no canvas to save; every picture request says so.
#include "cli/pictures.h"

namespace quorvan {

std::unique_ptr<PictureCanvas> makePictureCanvas() { return nullptr; }

}  // namespace quorvan
