#pragma once

// The table of everything media_painter draws: question pictures (stored into tr/) and
// animations (into aces/), each with its file name, size and drawing function.

#include <QList>
#include <QPainter>
#include <QSize>

namespace trelvo::media {

// Draws one picture onto a white canvas of `size` pixels.
using PictureDraw = void (*)(QPainter& p, const QSize& size);

struct PictureEntry {
    const char* file;
    QSize size;
    PictureDraw draw;
};

// Draws frame `frame` of an animation; t = frame / frame count, so 0 <= t < 1 and the last frame
// leads back into the first.
using FrameDraw = void (*)(QPainter& p, const QSize& size, double t, int frame);

struct AnimationEntry {
    const char* file;
    QSize size;
    int frames;
    int delay_cs;       // every frame but the last
    int last_delay_cs;  // the pause before the loop starts again
    FrameDraw draw;
};

QList<PictureEntry> sign_pictures();
QList<PictureEntry> marking_pictures();
QList<PictureEntry> hand_signal_pictures();
QList<PictureEntry> dashboard_pictures();
QList<PictureEntry> scene_pictures();
QList<AnimationEntry> road_animations();

QList<PictureEntry> all_pictures();
QList<AnimationEntry> all_animations();

}  // namespace trelvo::media
