#pragma once

#include <QSize>

namespace trelvo {

// The size a picture is shown at in a box: a picture smaller than the box on both sides keeps its
// size; one that reaches the box's width or height is scaled down, proportions kept, to the largest
// size that fits inside the box. Works in any unit (pixels or twips) and in 64-bit arithmetic, so
// no picture size can overflow it. An empty picture or box gives the picture unchanged.
QSize fit_inside(QSize picture, QSize box);

}  // namespace trelvo
