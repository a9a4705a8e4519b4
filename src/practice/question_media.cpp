#include "practice/question_media.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cmath>

#include "core/picture_fit.h"
#include "core/picture_loader.h"

namespace trelvo {

namespace {

// Differences are whole twips in practice; round half to even as the comparison is specified.
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

bool is_plain_media_name(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

QString temp_picture_path(const QString& folder, const QString& name) {
    return folder + QStringLiteral("/rs/") + name;
}

namespace {

bool copy_stored(const QString& folder, const QString& name) {
    QFile source(folder + QStringLiteral("/tr/") + name);
    if (!source.open(QIODevice::ReadOnly)) return false;
    const QByteArray stored = source.readAll();
    if (stored.size() < 2) return false;
    // Written whole and renamed into place, so no stale bytes of an older, longer copy remain.
    QDir().mkpath(folder + QStringLiteral("/rs"));
    QSaveFile target(temp_picture_path(folder, name));
    if (!target.open(QIODevice::WriteOnly)) return false;
    target.write(stored.constData() + 1, stored.size() - 1);
    return target.commit();
}

}  // namespace

bool copy_picture(const QString& folder, const QString& name) {
    if (!is_plain_media_name(name)) return false;
    if (!copy_stored(folder, name)) return false;
    // The twice-as-large drawing, where there is one, travels with it for sharp high-DPI screens.
    const QString high = high_resolution_path(name);
    if (QFile::exists(folder + QStringLiteral("/tr/") + high))
        copy_stored(folder, high);
    else if (QFile::exists(temp_picture_path(folder, high)))
        QFile::remove(temp_picture_path(folder, high));
    return true;
}

void delete_temp_picture(const QString& folder, const QString& name) {
    if (!is_plain_media_name(name)) return;
    for (const QString& file : {name, high_resolution_path(name)}) {
        const QString path = temp_picture_path(folder, file);
        if (QFile::exists(path)) QFile::remove(path);
    }
}

}  // namespace trelvo
