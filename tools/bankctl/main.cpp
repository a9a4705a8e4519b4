// bankctl: builds the question-bank file from the CSV sources, and checks a bank file.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "bank_builder.h"
#include "bank_carrier.h"
#include "bank_checker.h"

namespace {

void print(FILE* to, const QString& line) {
    std::fprintf(to, "%s\n", line.toUtf8().constData());
}

int usage() {
    print(stderr,
          QStringLiteral(
              "用法：\n"
              "  bankctl build [--force] <数据目录> <题库文件>   由 CSV "
              "生成题库（已存在时不覆盖，除非 --force）\n"
              "  bankctl check [--no-pools] [--folder <程序目录>] <题库文件>   检查题库\n"
              "  bankctl carry <旧题库> <新题库>   把旧题库中的练习进度按题号转入新题库\n"
              "\n"
              "check 除表结构外还检查：同一车型顺序练习中文字题题干重复；题干相同而正确答案不同"
              "（任何车型之间）；小车、货车、客车、摩托车题库中的多选题；以及各考试题库的"
              "送分比例：单选题正确选项为唯一最长选项的不超过 30%，为最长选项之一（含并列）"
              "的不超过 45%，答案 A、B、C、D 各占 20% 至 30%；判断题答案为“对”的占 40% 至 "
              "60%。比例只对某题型不少于 20 道的考试题库计算。--no-pools "
              "不检查考试题库的数量和比例。"));
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString command = args.takeFirst();

    if (command == QLatin1String("build")) {
        const bool force = args.removeAll(QStringLiteral("--force")) > 0;
        if (args.size() != 2) return usage();
        const auto report = trelvo::bankkit::build_bank(args[0], args[1], force);
        for (const QString& e : report.errors) print(stderr, e);
        if (!report.ok) {
            print(stderr, QStringLiteral("生成失败：%1 处错误").arg(report.errors.size()));
            return 1;
        }
        for (const QString& s : report.summary) print(stdout, s);
        print(stdout, QStringLiteral("已生成 %1").arg(args[1]));
        return 0;
    }

    if (command == QLatin1String("check")) {
        trelvo::bankkit::CheckOptions options;
        options.check_pools = args.removeAll(QStringLiteral("--no-pools")) == 0;
        const qsizetype f = args.indexOf(QStringLiteral("--folder"));
        if (f >= 0) {
            if (f + 1 >= args.size()) return usage();
            options.program_folder = args[f + 1];
            args.remove(f, 2);
        }
        if (args.size() != 1) return usage();
        const QStringList faults = trelvo::bankkit::check_bank(args[0], options);
        for (const QString& fault : faults) print(stdout, fault);
        if (!faults.isEmpty()) {
            print(stdout, QStringLiteral("检查未通过：%1 处问题").arg(faults.size()));
            return 1;
        }
        print(stdout, QStringLiteral("检查通过：%1").arg(args[0]));
        return 0;
    }
    if (command == QLatin1String("carry")) {
        if (args.size() != 2) return usage();
        const auto report = trelvo::bankkit::carry_progress(args[0], args[1]);
        for (const QString& e : report.errors) print(stderr, e);
        if (!report.ok) {
            print(stderr, QStringLiteral("转入失败，新题库未改动"));
            return 1;
        }
        for (const QString& s : report.summary) print(stdout, s);
        return 0;
    }
    return usage();
}
