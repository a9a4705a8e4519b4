#include "app/warm_up.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QTextLayout>
#include <QTimer>
#include <QWidget>

#include "core/app_context.h"
#include "core/app_error.h"
#include "core/screen.h"
#include "practice/study.h"
#include "practice/study_unit.h"

namespace trelvo {

namespace {

// Every character a screen is likely to draw first: digits, option letters and common words.
const QString sample = QStringLiteral(
    "0123456789ABCDabcd.、：，。？“”（）第单元题量未做您的答案正确答案显示答案答对跳转下一题"
    "题目解析试题信息答案信息考题分析机动车驾驶人在道路上行驶时应当遵守交通信号标志标线");

void warm_fonts() {
    const QFont fonts[] = {song_font(9),          song_font(10.5),     song_font(12),
                           song_font(12, true),   song_font(21.75),    song_font(21.75, true),
                           kai_font(21.75, true), song_font(11, true), song_font(10.5, true)};
    for (const QFont& f : fonts) {
        QTextLayout layout(sample, f);
        layout.beginLayout();
        layout.createLine().setLineWidth(4000);
        layout.endLayout();
        QPixmap scratch(8, 8);
        QPainter p(&scratch);
        layout.draw(&p, QPointF(-5000, 0));  // rasterises the glyphs into the cache
    }
}

void warm_pictures(AppContext& app) {
    static const char* const files[] = {"imgs/unit_chapter.jpg",
                                        "imgs/unit_chapter_move.jpg",
                                        "imgs/btn_return.jpg",
                                        "imgs/btn_exit.jpg",
                                        "imgs/btn_clean_record.jpg",
                                        "imgs/btn_delete_error.jpg",
                                        "imgs/btn_prev.jpg",
                                        "imgs/btn_next.jpg",
                                        "imgs/btn_set_error.jpg",
                                        "imgs/btn_end.jpg",
                                        "imgs/select_chapter.jpg",
                                        "imgs/select_special.jpg",
                                        "imgs/btn_single_a.jpg",
                                        "imgs/btn_single_b.jpg",
                                        "imgs/btn_single_c.jpg",
                                        "imgs/btn_single_d.jpg",
                                        "imgs/btn_single_y.jpg",
                                        "imgs/btn_single_n.jpg",
                                        "imgs/btn_single_a_select.jpg",
                                        "imgs/btn_single_b_select.jpg",
                                        "imgs/btn_single_c_select.jpg",
                                        "imgs/btn_single_d_select.jpg",
                                        "imgs/btn_single_y_select.jpg",
                                        "imgs/btn_single_n_select.jpg"};
    for (const char* file : files) {
        try {
            app.pictures().skin(QLatin1String(file));
        } catch (const AppError&) {
            // Not cached: the screen that needs it reports it then.
        }
    }
    try {
        app.pictures().hand_cursor();
    } catch (const AppError&) {
    }
}

// Reads through the questions once, so that their pages are in the bank's cache when the first
// question is shown. Only reads; a failure here is left for the screen that really needs it.
void warm_bank(AppContext& app) {
    try {
        Rows rows = app.bank().query(QStringLiteral(
            "SELECT question, question_a, question_b, question_c, question_d, answer, "
            "type_select, type_picture, answer_analysis FROM questions"));
        while (rows.next()) {
        }
    } catch (const AppError&) {
    }
}

// Builds a screen without showing it and paints it once off screen, so that its controls'
// styles, style sheets and layouts are set up; then throws it away.
template <typename S>
void warm_screen(AppContext& app) {
    auto* screen = new S(app);
    screen->grab();
    delete screen;
}

}  // namespace

void warm_up_after_first_paint(AppContext& app, QWidget* main_menu) {
    struct Watch final : QObject {
        AppContext& app;
        explicit Watch(AppContext& a, QObject* parent) : QObject(parent), app(a) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() != QEvent::Paint) return false;
            watched->removeEventFilter(this);
            AppContext* a = &app;
            // One piece per turn of the event loop, so that a click in between waits at most
            // for one piece.
            QTimer::singleShot(0, [] { warm_fonts(); });
            QTimer::singleShot(0, [a] { warm_pictures(*a); });
            QTimer::singleShot(0, [a] { warm_screen<StudyUnit>(*a); });
            QTimer::singleShot(0, [a] { warm_screen<Study>(*a); });
            QTimer::singleShot(0, [a] { warm_bank(*a); });
            deleteLater();
            return false;
        }
    };
    main_menu->installEventFilter(new Watch(app, main_menu));
}

}  // namespace trelvo
