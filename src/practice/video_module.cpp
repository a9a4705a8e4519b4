// The video part of the animation view, in a module of its own: Qt Multimedia is loaded only when
// the first video animation is shown, not at every start of the program.
#include <QFileInfo>
#include <QMediaPlayer>
#include <QMetaObject>
#include <QUrl>
#include <QVideoWidget>

namespace {

// A video that plays its file in a loop from the moment it is made until it is deleted.
class LoopingVideo final : public QVideoWidget {
  public:
    LoopingVideo(QWidget* parent, const QString& path) : QVideoWidget(parent), player_(this) {
        player_.setVideoOutput(this);
        player_.setLoops(QMediaPlayer::Infinite);
        // The animation view shows a notice instead; queued, since it deletes this video.
        const QString name = QFileInfo(path).fileName();
        auto failed = [parent, name] {
            QMetaObject::invokeMethod(parent, "fail_video", Qt::QueuedConnection,
                                      Q_ARG(QString, name));
        };
        QObject::connect(&player_, &QMediaPlayer::errorOccurred, parent, failed);
        QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, parent,
                         [failed](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::InvalidMedia) failed();
                         });
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
