// The full moon's face, shared by the moon window's bitmap and the moon buttons.
#pragma once

#include <QImage>

namespace Artwork::Detail {

// The full moon as a disc filling a square of the given side, transparent around it, its
// edge antialiased (premultiplied ARGB). Deterministic: no randomness, no seed from outside.
QImage MoonDisc(int diameterPx);

} // namespace Artwork::Detail
