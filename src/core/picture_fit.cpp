#include "core/picture_fit.h"

#include <algorithm>

namespace trelvo {

QSize fit_inside(QSize picture, QSize box) {
    const qint64 w = picture.width(), h = picture.height();
    const qint64 bw = box.width(), bh = box.height();
    if (w <= 0 || h <= 0 || bw <= 0 || bh <= 0) return picture;
    if (w < bw && h < bh) return picture;
    // Scale by the tighter of the two ratios; compare them as cross products to stay exact.
    if (w * bh >= h * bw) {
        const qint64 height = std::max<qint64>(1, (h * bw + w / 2) / w);
        return QSize(int(std::min(bw, w)), int(std::min(height, bh)));
    }
    const qint64 width = std::max<qint64>(1, (w * bh + h / 2) / h);
    return QSize(int(std::min(width, bw)), int(std::min(bh, h)));
}

}  // namespace trelvo
