#include "core/picture_layout.h"

#include <QSize>
#include <cmath>

#include "core/picture_fit.h"

namespace trelvo {

namespace {

// Differences are whole twips in practice; halves round to even.
double rounded(double v) {
    return std::nearbyint(v);
}

QSize whole_twips(PictureSize s) {
    return {int(std::lround(s.width)), int(std::lround(s.height))};
}

}  // namespace

bool is_large_for(PictureSize p, PictureSize box) {
    return p.width >= box.width || p.height >= box.height;
}

PictureSize fit_into_box(PictureSize p, PictureSize box) {
    if (!is_large_for(p, box) || p.width <= 0 || p.height <= 0) return p;
    const QSize fitted = fit_inside(whole_twips(p), whole_twips(box));
    return {double(fitted.width()), double(fitted.height())};
}

ViewerLayout viewer_layout(PictureSize p, PictureSize box) {
    constexpr PictureSize screen_box{14850, 8000};
    if (!is_large_for(p, box)) return {p, {p.width, p.height + 300}, false};
    const double b = rounded(p.width - screen_box.width);
    const double c = rounded(p.height - screen_box.height);
    ViewerLayout layout{p, {}, false};
    if (b >= 0 || c >= 0) {
        // Fitted by the ratio, not by the larger excess in twips, so that it never overshoots the
        // screen.
        layout.image = fit_into_box(p, screen_box);
        layout.stretched = true;
    }
    layout.window = {layout.image.width + 90, layout.image.height + 360};
    return layout;
}

}  // namespace trelvo
