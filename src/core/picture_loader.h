#pragma once

#include <QCursor>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <optional>

namespace trelvo {

// Loads pictures and the hand cursor from the program folder. Skin pictures are decoded once per
// path and then served from memory; a file that is missing fails when it is first needed.
class PictureLoader final {
  public:
    explicit PictureLoader(QString program_folder);

    const QString& folder() const { return folder_; }
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
