#pragma once

#include <QString>

namespace quantora {

// The resource path of a skinned button's picture, ":/bitmaps/<id>.png". The pictures live in a
// static library, so the first call also registers them with Qt's resource system.
QString ButtonPicturePath(int bitmapId);

}  // namespace quantora
