#include "exam/exam_paper.h"

#include <algorithm>
#include <numeric>

#include "core/app_error.h"
#include "core/question_bank.h"

namespace trelvo {

namespace {

// The pool flag column of the categories that have one.
QString flag_column(CarType car) {
    switch (car) {
        case 0:
            return QStringLiteral("type_xiaoche");
        case 1:
            return QStringLiteral("type_huoche");
        case 2:
            return QStringLiteral("type_keche");
        case 5:
            return QStringLiteral("type_safe");
        default:
            return {};
    }
}

}  // namespace

QString question_kind_name(qint16 kind) {
    switch (kind) {
        case single_choice:
            return QStringLiteral("选择题");
        case multiple_choice:
            return QStringLiteral("多选题");
        case true_false:
            return QStringLiteral("判断题");
        default:
            return {};
    }
}

ExamRules exam_rules(CarType car) {
    const qint16 size = car == 5 ? 50 : 100;
    return {size, qint16(car == 5 ? 30 : 45), qint16(100 / size)};
}

QList<PaperBlock> paper_blocks(CarType car) {
    if (car == 5)
        return {{true_false, 22, 0, true},
                {single_choice, 22, 22, false},
                {multiple_choice, 6, 44, false}};
    return {{true_false, 40, 0, true}, {single_choice, 60, 40, false}};
}

QString PoolShortage::message() const {
    const QString name = car_type_name(car);
    return QStringLiteral(
               "题库中%1的%2只有 %3 道，组一套模拟试卷需要 %4 道。\n"
               "请补充题库后再开始考试。")
        .arg(name.isEmpty() ? QStringLiteral("此驾照类型") : name, question_kind_name(kind))
        .arg(available)
        .arg(needed);
}

std::vector<int> draw_positions(int count, int n, QRandomGenerator& random) {
    std::vector<int> positions(std::size_t(std::max(count, 0)));
    std::iota(positions.begin(), positions.end(), 0);
    n = std::clamp(n, 0, count);
    for (int i = 0; i < n; ++i) {
        const int j = i + int(random.bounded(quint32(count - i)));
        std::swap(positions[i], positions[j]);
    }
    positions.resize(std::size_t(n));
    return positions;
}

void shuffle_block(ExamPaper& paper, int first, int k, QRandomGenerator& random) {
    for (int i = k - 1; i > 0; --i) {
        const int j = int(random.bounded(quint32(i + 1)));
        std::swap(paper.paper_ids[first + i], paper.paper_ids[first + j]);
    }
}

ExamPools PaperComposer::read_pools(CarType car) {
    // One pass over the pool, split by kind, so that the sizes and the ids come from the same rows.
    // Each kind's ids arrive as one list in a single value: a bank of tens of thousands of
    // questions is read in a few milliseconds instead of row by row.
    const QString flag = flag_column(car);
    QString sql;
    if (!flag.isEmpty()) {
        sql = QStringLiteral(
                  "SELECT type_select, group_concat(id) FROM questions "
                  "WHERE %1 = TRUE GROUP BY type_select")
                  .arg(flag);
    } else {
        const QString prefix = table_prefix(car);
        if (prefix.isEmpty()) {
            throw AppError(QStringLiteral("当前驾照类型没有模拟考试题库"),
                           QStringLiteral("驾照类型代码 %1 没有对应的题库表").arg(car));
        }
        // Without a pool flag the category's sequence table is its pool, in sequence order.
        const QString table = bank_.table(prefix + QStringLiteral("_sequence"));
        sql = QStringLiteral(
                  "SELECT q.type_select, group_concat(s.id || ':' || q.id) FROM %1 s "
                  "JOIN questions q ON q.id = s.ref_id GROUP BY q.type_select")
                  .arg(table);
    }
    ExamPools by_kind;
    Rows rows = bank_.query(sql);
    while (rows.next()) {
        const QString kind_text = rows.text_or_empty(0);
        bool ok = false;
        const int kind = kind_text.toInt(&ok);
        if (!ok || kind < 0 || kind > 2) continue;
        // (order key, id) pairs: the key is the id itself, or the sequence position.
        std::vector<std::pair<qlonglong, qint16>> entries;
        const QString list = rows.text_or_empty(1);
        for (QStringView item : QStringView(list).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const qsizetype colon = item.indexOf(QLatin1Char(':'));
            const QStringView id_text = colon < 0 ? item : item.mid(colon + 1);
            const qlonglong id = id_text.toLongLong(&ok);
            if (!ok) {
                throw AppError(
                    QStringLiteral("题库数据格式错误"),
                    QStringLiteral("题目编号不是数字（%1）：%2").arg(id_text.toString(), sql));
            }
            const qlonglong key = colon < 0 ? id : item.left(colon).toLongLong();
            entries.emplace_back(key, checked_int16(id, QStringLiteral("题目编号（%1）").arg(sql)));
        }
        std::sort(entries.begin(), entries.end());
        QList<qint16>& pool = by_kind[kind];
        pool.reserve(qsizetype(entries.size()));
        for (const auto& e : entries) pool.append(e.second);
    }
    return by_kind;
}

QList<qint16> PaperComposer::pool(CarType car, qint16 kind) {
    if (kind < 0 || kind > 2) return {};
    return read_pools(car)[kind];
}

std::optional<PoolShortage> PaperComposer::check_pools(CarType car) {
    return check_pools(car, read_pools(car));
}

std::optional<PoolShortage> PaperComposer::check_pools(CarType car, const ExamPools& by_kind) {
    for (const PaperBlock& b : paper_blocks(car))
        if (by_kind[b.kind].size() < b.count)
            return PoolShortage{car, b.kind, int(by_kind[b.kind].size()), b.count};
    return std::nullopt;
}

std::optional<PoolShortage> PaperComposer::try_compose(CarType car, ExamPaper& out) {
    return try_compose(car, read_pools(car), out);
}

std::optional<PoolShortage> PaperComposer::try_compose(CarType car, const ExamPools& by_kind,
                                                       ExamPaper& out) {
    if (auto shortage = check_pools(car, by_kind)) return shortage;
    const QList<PaperBlock> blocks = paper_blocks(car);
    ExamPaper paper;
    paper.paper_size = exam_rules(car).paper_size;
    for (const PaperBlock& b : blocks) {
        const QList<qint16>& pool = by_kind[b.kind];
        std::vector<int> positions = draw_positions(int(pool.size()), b.count, random_);
        std::sort(positions.begin(), positions.end());
        for (int k = 0; k < b.count; ++k) paper.paper_ids[b.first_slot + k] = pool[positions[k]];
        if (b.shuffled) shuffle_block(paper, b.first_slot, b.count, random_);
    }
    out = std::move(paper);
    return std::nullopt;
}

ExamPaper PaperComposer::compose(CarType car) {
    ExamPaper paper;
    if (const auto shortage = try_compose(car, paper))
        throw AppError(shortage->message(), QStringLiteral("题库中的考试题不足"));
    return paper;
}

int exam_score(const ExamPaper& paper) {
    const int points = 100 / std::max<int>(1, paper.paper_size);
    int right = 0;
    for (int i = 0; i < paper.paper_size && i < ExamPaper::slot_count; ++i)
        if (paper.paper_results[i] == 1) ++right;
    return right * points;
}

}  // namespace trelvo
