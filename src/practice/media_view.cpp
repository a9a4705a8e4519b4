#include "practice/media_view.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMediaPlayer>
#include <QMovie>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace trelvo {

namespace {

bool is_video(const QString& suffix) {
    static const QStringList videos = {"mp4", "m4v", "webm", "mkv", "ogv", "avi", "mov"};
    return videos.contains(suffix);
}

}  // namespace

MediaView::MediaView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Flash"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    screen_ = new QLabel(this);
    screen_->setAlignment(Qt::AlignCenter);
    screen_->setWordWrap(true);
    QPalette colours = screen_->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, QColor(0x7a, 0x2b, 0x00));
    screen_->setPalette(colours);
    screen_->setAutoFillBackground(true);
    layout->addWidget(screen_);
}

MediaView::~MediaView() {
    clear();
}

void MediaView::clear() {
    if (movie_ != nullptr) {
        movie_->stop();
        screen_->setMovie(nullptr);
        delete movie_;
        movie_ = nullptr;
    }
    if (player_ != nullptr) {
        player_->stop();
        delete player_;
        player_ = nullptr;
        delete video_;
        video_ = nullptr;
    }
    screen_->clear();
    screen_->show();
    mode_ = Mode::empty;
    path_.clear();
}

QString MediaView::notice() const {
    return mode_ == Mode::notice ? screen_->text() : QString();
}

void MediaView::show_notice(const QString& text) {
    screen_->setText(text);
    mode_ = Mode::notice;
}

void MediaView::play(const QString& path) {
    clear();
    if (path.trimmed().isEmpty()) return;
    path_ = path;
    const QFileInfo info(path);
    if (!info.isFile()) {
        show_notice(QStringLiteral("找不到动画文件\n%1").arg(info.fileName()));
        return;
    }
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("gif") || suffix == QLatin1String("webp")) {
        movie_ = new QMovie(path, QByteArray(), this);
        if (movie_->isValid()) {
            movie_->setCacheMode(QMovie::CacheAll);
            screen_->setMovie(movie_);
            const QSize frame = QImageReader(path).size();
            if (frame.width() > width() || frame.height() > height())
                movie_->setScaledSize(frame.scaled(size(), Qt::KeepAspectRatio));
            movie_->start();
            mode_ = Mode::movie;
            return;
        }
        delete movie_;
        movie_ = nullptr;
        show_notice(QStringLiteral("动画文件已损坏，无法播放\n%1").arg(info.fileName()));
        return;
    }
    if (is_video(suffix)) {
        player_ = new QMediaPlayer(this);
        video_ = new QVideoWidget(this);
        layout()->addWidget(video_);
        screen_->hide();
        player_->setVideoOutput(video_);
        player_->setLoops(QMediaPlayer::Infinite);
        player_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
        player_->play();
        mode_ = Mode::video;
        return;
    }
    show_notice(QStringLiteral("本程序无法播放这种格式的动画（%1）\n请参考题目文字作答")
                    .arg(info.fileName()));
}

}  // namespace trelvo
