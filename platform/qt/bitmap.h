// Bitmap resources decoded to images (BMP, also run-length encoded).
#pragma once

#include <QImage>

namespace platform {

// A null image when there is no such bitmap or it does not decode.
QImage LoadBitmapImage(int id);

}  // namespace platform
