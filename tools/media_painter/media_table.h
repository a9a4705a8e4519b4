#pragma once

// The table of everything media_painter draws: question pictures (stored into tr/) and
// animations (into aces/), each with its file name, size and drawing function.

#include <QList>
#include <QPainter>
#include <QSize>

namespace trelvo::media {

// Draws one picture onto a white canvas of `size` pixels.
using PictureDraw = void (*)(QPainter& p, const QSize& size);

struct PictureSpec {
    const char* file;
    QSize size;
    PictureDraw draw;
};

// Draws frame `frame` of an animation; t = frame / frame count, so 0 <= t < 1 and the last frame
// leads back into the first.
using FrameDraw = void (*)(QPainter& p, const QSize& size, double t, int frame);

struct AnimationSpec {
    const char* file;
    QSize size;
    int frames;
    int delay_cs;       // every frame but the last
    int last_delay_cs;  // the pause before the loop starts again
    FrameDraw draw;
};

QList<PictureSpec> sign_pictures();
QList<PictureSpec> marking_pictures();
QList<PictureSpec> hand_signal_pictures();
QList<PictureSpec> dashboard_pictures();
QList<PictureSpec> scene_pictures();
QList<AnimationSpec> road_animations();

QList<PictureSpec> all_pictures();
QList<AnimationSpec> all_animations();

}  // namespace trelvo::media
