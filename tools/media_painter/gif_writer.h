#pragma once

#include <QtGui/qrgb.h>

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QVector>

namespace trelvo::media {

// One picture of an animation and how long it stays on screen, in hundredths of a second (the
// unit GIF stores; 10 ms in Qt's readers).
struct GifFrame {
    QImage image;
    int delay_cs = 10;
};

// The colours of one file: every frame is mapped onto this table. When the frames hold at most 256
// distinct colours the table is exactly those colours, so nothing is lost; otherwise it is a
// median-cut reduction in which a colour that dominates its cell is kept exactly (the flat fills
// of a drawing), and the anti-aliased in-between shades go to their nearest entry.
QVector<QRgb> build_palette(const QList<GifFrame>& frames);

// An animated GIF89a that loops forever (NETSCAPE2.0 block with count 0): one global colour table,
// every frame full size at (0, 0) with its own delay. Frames are treated as opaque (alpha is
// dropped) and must all have the first frame's size. On failure returns an empty array and puts
// the reason into *error.
QByteArray encode_gif(const QList<GifFrame>& frames, QString* error);

// encode_gif written to a file, replacing it.
bool write_gif(const QString& path, const QList<GifFrame>& frames, QString* error);

}  // namespace trelvo::media
