#pragma once

#include <QSize>

namespace trelvo {

// The largest size with the picture's proportions that fits inside the box; a picture that
// already fits keeps its size. Any unit will do, as long as both sizes use the same one.
QSize fit_inside(QSize picture, QSize box);

}  // namespace trelvo
