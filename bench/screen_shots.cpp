// Screenshots of the screens as a learner sees them, for looking at by eye: the main menu, the
// unit list, the practice screen with a long stem, a picture question and the picture viewer.
// Works on a scratch copy of the built program folder's bank (with one stem made long), so the
// learner's progress is never touched. Run it with QT_SCALE_FACTOR to see other pixel ratios.
//
//   screen_shots <output folder>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

#include "app/navigation.h"
#include "core/app_context.h"
#include "core/application.h"
#include "info/enlarge_image.h"
#include "menu/main_control.h"
#include "menu/select_car.h"
#include "paint_clock.h"
#include "practice/study.h"
#include "practice/study_unit.h"

namespace {

QString out_dir;

void shoot(QWidget* w, const char* name) {
    w->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QString path = out_dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!w->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    trelvo::init_screens();
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen_shots <output folder>\n");
        return 2;
    }
    out_dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out_dir);
    QTemporaryDir dir;
    if (!bench::scratch_program_folder(dir.path(), {"imgs", "tr"})) return 1;
    trelvo::AppContext context(dir.path());
    trelvo::install_navigation(context);
    context.end_program = [] {};
    context.bank().exec(
        QStringLiteral(
            "UPDATE questions SET question = question || ?, question_b = question_b || ? WHERE id "
            "= (SELECT ref_id FROM xiaoche_sequence WHERE id = 1)"),
        {QStringLiteral("机动车驾驶人在道路上行驶时，遇有前方车辆停车排队等候或者缓慢行驶的情形，"
                        "不得借道超车或者占用对面车道，不得穿插等候的车辆；在车道减少的路口、"
                        "路段，遇有前方机动车停车排队等候或者缓慢行驶的，应当每车道一辆依次"
                        "交替驶入车道减少后的路口、路段。请根据上述规定判断下列说法中哪一项"
                        "最符合安全文明驾驶的要求，并说明理由。"),
         QStringLiteral("，同时应当注意观察两侧车辆和行人的动态，必要时减速或者停车让行")});

    auto* menu = new trelvo::MainControl(context);
    shoot(menu, "1_main_menu");
    const QString menu_title = menu->windowTitle();
    menu->close();

    auto* cars = new trelvo::SelectCar(context);
    cars->init(QStringLiteral("car"));
    shoot(cars, "1b_category_selection");
    cars->hide();
    cars->deleteLater();

    auto* units = new trelvo::StudyUnit(context);
    units->setWindowTitle(menu_title + QStringLiteral(" 顺序练习"));
    units->init(QStringLiteral("xiaoche_sequence"));
    shoot(units, "2_unit_list");
    units->close();

    auto* study = new trelvo::Study(context);
    study->setWindowTitle(QStringLiteral("顺序练习 第1单元"));
    study->init(QStringLiteral("xiaoche_sequence"), 0, 99);
    study->select_cell(1);
    shoot(study, "3_practice_long_stem");
    study->close();

    study = new trelvo::Study(context);
    study->init(QStringLiteral("xiaoche_sequence"), 200, 299);
    study->select_cell(57);
    shoot(study, "4_practice_picture");

    auto* viewer = new trelvo::EnlargeImage(context, study);
    viewer->load(dir.path() + QStringLiteral("/rs/") + study->media_name(),
                 trelvo::practice_picture_box);
    viewer->init();
    shoot(viewer, "5_viewer");
    viewer->close();
    study->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
