#pragma once

#include <QCursor>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <optional>

namespace trelvo {

// Reads a picture file. The format named by the file's suffix is tried first, so that only its
// image plugin is loaded; a file whose content says otherwise is read by its content.
QImage read_image(const QString& path, QString* error = nullptr);

// A picture for the screen's pixel ratio: above 1, its twice-as-large variant "name@2x.ext" is
// used when it exists, scaled smoothly to the exact pixels of the ratio, so that painted text and
// lines stay as sharp as the screen's own. A null result means the file could not be read.
QImage read_for_display(const QString& path, qreal ratio, QString* error = nullptr);
QString high_resolution_path(const QString& path);
qreal display_ratio();

// Loads pictures and the hand cursor from the program folder. Skin pictures are decoded once per
// path and then served from memory; a file that is missing fails when it is first needed.
class PictureLoader final {
  public:
    explicit PictureLoader(QString program_folder);

    const QString& folder() const { return folder_; }
    // A full path is taken as it is.
    QString full_path(const QString& relative) const;

    // A skin or design picture, by path relative to the program folder ("imgs/btn_exam.jpg").
    QPixmap skin(const QString& relative);
    // A picture read from disk every time (question pictures: their copies change under one name).
    QPixmap fresh(const QString& relative);
    // A picture read from disk every time, null when it is missing or cannot be decoded (question
    // pictures come with the bank and may be damaged; the learner goes on without them).
    QPixmap decode(const QString& relative);
    // The custom hand cursor "imgs/harrow.cur".
    QCursor hand_cursor();

    // How often a path was asked for, and how often its file was actually read.
    int requests(const QString& relative) const { return requests_.value(relative); }
    int file_reads(const QString& relative) const { return reads_.value(relative); }

  private:
    QPixmap read(const QString& relative);

    QString folder_;
    QHash<QString, QPixmap> decoded_;
    QHash<QString, int> requests_;
    QHash<QString, int> reads_;
    std::optional<QCursor> cursor_;
};

}  // namespace trelvo
