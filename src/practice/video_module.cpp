// The video part of the animation view, in a module of its own: Qt Multimedia is loaded only when
// the first video animation is shown, not at every start of the program.
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace {

// A video that plays its file in a loop from the moment it is made until it is deleted.
class LoopingVideo final : public QVideoWidget {
  public:
    LoopingVideo(QWidget* parent, const QString& path) : QVideoWidget(parent), player_(this) {
        player_.setVideoOutput(this);
        player_.setLoops(QMediaPlayer::Infinite);
        player_.setSource(QUrl::fromLocalFile(path));
        player_.play();
    }
    ~LoopingVideo() override { player_.stop(); }

  private:
    QMediaPlayer player_;
};

}  // namespace

extern "C" Q_DECL_EXPORT QWidget* trelvo_make_video(QWidget* parent, const QString& path) {
    return new LoopingVideo(parent, path);
}
