#include "core/picture_fit.h"

#include <algorithm>
#include <cmath>

namespace trelvo {

QSize fit_inside(QSize picture, QSize box) {
    if (picture.width() <= 0 || picture.height() <= 0 || box.width() <= 0 || box.height() <= 0)
        return picture;
    if (picture.width() <= box.width() && picture.height() <= box.height()) return picture;
    // The side that overshoots by the larger ratio decides; the other follows by the same factor.
    const double k =
        std::min(double(box.width()) / picture.width(), double(box.height()) / picture.height());
    return {std::clamp(int(std::lround(picture.width() * k)), 1, box.width()),
            std::clamp(int(std::lround(picture.height() * k)), 1, box.height())};
}

}  // namespace trelvo
