// The table of pictures the tool writes: file, size, how it is stored and the
// function that paints it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

enum class Folder { Imgs, Design };
enum class Format { Jpg, Png, PngAlpha, Cursor };

struct Picture {
    QString file;
    Folder folder;
    Format format;
    QSize size;
    std::function<void(QPainter&, const QSize&)> paint;
};

// Button, key and tile skins (skins_buttons.cpp).
void addButtonSkins(std::vector<Picture>& out);
// Screens, dialogs, panels and design pictures (skins_screens.cpp).
void addScreenPictures(std::vector<Picture>& out);

// Screen backgrounds, painted once per pixel ratio and reused as backdrops for
// the controls that sit on them.
const QImage& mainMenuScreen(qreal ratio);
const QImage& aboutScreen(qreal ratio);
// Draws the part `area` (logical pixels) of a painted screen at (0, 0).
void drawScreenPart(QPainter& p, const QImage& screen, const QRect& area);

// The face of the exam's confirm button, shared by exam_init.jpg and
// start_exam_face.png so that both match.
void paintConfirmFace(QPainter& p, const QRectF& r);

// Hand cursor (cursor.cpp).
inline constexpr QPoint kCursorHotspot{10, 1};
void paintHandCursor(QPainter& p, const QSize& size);
// Encodes a 32x32 ARGB image as a Windows .cur file with the given hotspot.
QByteArray encodeCursor(const QImage& argb, QPoint hotspot);
