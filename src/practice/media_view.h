#pragma once

#include <QWidget>

class QLabel;
class QMovie;

namespace trelvo {

// The question animation area. play() shows the file given by path: animated GIF and WebP run in
// a movie, video files through the media player, anything else (a Flash file, say) shows a notice
// instead. A path of one blank stops and clears it.
class MediaView final : public QWidget {
    Q_OBJECT
  public:
    explicit MediaView(QWidget* parent);
    ~MediaView() override;

    void play(const QString& path);
    void stop_and_clear() { play(QStringLiteral(" ")); }

    enum class Mode { empty, movie, video, notice };
    Mode mode() const { return mode_; }
    const QString& path() const { return path_; }
    QString notice() const;
    QMovie* movie() const { return movie_; }

    // The video module calls this (queued, by name) when its player gives up on the file, which
    // would otherwise leave a blank area with no word why.
    Q_INVOKABLE void fail_video(const QString& name);

  private:
    void clear();
    void show_notice(const QString& text);

    Mode mode_ = Mode::empty;
    QString path_;
    QLabel* screen_;
    QMovie* movie_ = nullptr;
    QWidget* video_ = nullptr;  // made by the video module, which owns the player in it
};

}  // namespace trelvo
