#pragma once
// The program's picture: a plate heated from one edge, shaded with the
// results colours, with its grid of nodes.  Drawn, not loaded from a file.
#include <QPixmap>

namespace calorix {

QPixmap Calorix_Icon(int size);

}  // namespace calorix
