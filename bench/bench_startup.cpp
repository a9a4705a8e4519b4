// Start-up time: from starting the process to the main menu's first paint, compared with a bare Qt
// window with a dozen labels in the same run (both offscreen, several alternating runs, medians);
// the program may take at most 1.2 times as long.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double time_to_first_paint(const QString& program) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TRELVO_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    while (process.waitForReadyRead(10000)) {
        if (process.readAllStandardOutput().contains("first-paint")) {
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            process.waitForFinished(10000);
            return ms;
        }
    }
    std::fprintf(stderr, "%s never painted: %s\n", qPrintable(program),
                 process.readAllStandardError().constData());
    process.kill();
    return -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    std::vector<double> trelvo, bare;
    time_to_first_paint(QStringLiteral(TRELVO_EXE));  // warm the file cache for both
    time_to_first_paint(QStringLiteral(BARE_EXE));
    for (int i = 0; i < runs; ++i) {
        trelvo.push_back(time_to_first_paint(QStringLiteral(TRELVO_EXE)));
        bare.push_back(time_to_first_paint(QStringLiteral(BARE_EXE)));
    }
    const double t = median(trelvo), b = median(bare);
    std::printf("start-up to first paint (median of %d, offscreen)\n", runs);
    std::printf("  trelvo main menu      %8.1f ms\n", t);
    std::printf("  bare window, 12 labels %7.1f ms\n", b);
    std::printf("  ratio                 %8.2f (limit 1.20)\n", t / b);
    return t > 0 && b > 0 && t <= 1.2 * b ? 0 : 1;
}
