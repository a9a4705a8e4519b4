#include "practice/media_view.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLibrary>
#include <QMovie>
#include <QVBoxLayout>

namespace trelvo {

namespace {

using MakeVideo = QWidget* (*)(QWidget*, const QString&);

// The video module lies beside the program; a build keeps one in its program folder too.
MakeVideo video_factory() {
    static MakeVideo make = [] {
        const QString name = QStringLiteral("trelvo_video");
        for (const QString& folder :
             {QCoreApplication::applicationDirPath(), QStringLiteral(TRELVO_VIDEO_DIR)}) {
            QLibrary module(folder + QLatin1Char('/') + name);
            if (auto f = reinterpret_cast<MakeVideo>(module.resolve("trelvo_make_video"))) return f;
        }
        return MakeVideo(nullptr);
    }();
    return make;
}

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
    delete video_;
    video_ = nullptr;
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

void MediaView::fail_video(const QString& name) {
    if (mode_ != Mode::video || QFileInfo(path_).fileName() != name) return;
    const QString path = path_;
    clear();
    path_ = path;
    show_notice(QStringLiteral("动画文件已损坏，无法播放\n%1").arg(name));
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
        if (MakeVideo make = video_factory()) {
            video_ = make(this, info.absoluteFilePath());
            layout()->addWidget(video_);
            screen_->hide();
            mode_ = Mode::video;
            return;
        }
        show_notice(QStringLiteral("缺少视频播放组件，无法播放这段动画\n请参考题目文字作答"));
        return;
    }
    show_notice(QStringLiteral("本程序无法播放这种格式的动画（%1）\n请参考题目文字作答")
                    .arg(info.fileName()));
}

}  // namespace trelvo
