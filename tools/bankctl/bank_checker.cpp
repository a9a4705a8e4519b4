#include "bank_checker.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <optional>

#include "core/bank_file.h"
#include "core/bank_schema.h"
#include "core/car_type.h"

namespace trelvo::bankkit {

namespace {

namespace schema = trelvo::bank_schema;

constexpr int max_unit_rows = 1700;
constexpr int unknown_kind = -1;  // a question whose type_select is already reported

class Checker {
  public:
    Checker(QSqlDatabase db, const CheckOptions& options) : db_(std::move(db)), options_(options) {}

    QStringList run();

  private:
    void fault(const QString& where, const QString& what) {
        faults_.append(QStringLiteral("%1：%2").arg(where, what));
    }
    bool has_table(const QString& name) const { return tables_.contains(name.toLower()); }
    bool require_columns(const QString& table, const QStringList& columns);
    std::optional<qlonglong> number(const QVariant& v) const;
    void check_questions();
    void check_car();
    void check_lists(const QString& prefix);
    void check_practice(const QString& table, const QString& role);
    void check_pools();
    void check_media();
    void load_content();
    void check_repeats();
    void check_subject_one_kinds();
    void check_figures();
    void figures_of(const QString& label, const QList<int>& pool);
    void check_schema_objects();

    QSqlDatabase db_;
    const CheckOptions& options_;
    QStringList faults_;
    QSet<QString> tables_;
    QHash<qlonglong, int> kinds_;  // question id -> type_select
    QStringList prefixes_;
    QSet<QString> practice_checked_;

    struct Content {
        qlonglong id = 0;
        int kind = 0;
        int media = 3;
        QString media_name;
        QString stem;
        QString options[4];
        QString answer;
        bool flags[4] = {};  // type_xiaoche, type_huoche, type_keche, type_safe
    };
    QList<Content> content_;
    QMap<QString, QList<int>> sequences_;  // prefix -> indices into content_, in id order
};

bool Checker::require_columns(const QString& table, const QStringList& columns) {
    const QSqlRecord record = db_.record(table);
    QStringList missing;
    for (const QString& c : columns)
        if (record.indexOf(c) < 0) missing.append(c);
    if (!missing.isEmpty())
        fault(table, QStringLiteral("缺少列 %1").arg(missing.join(QStringLiteral(", "))));
    return missing.isEmpty();
}

// Yes/No columns hold 0 or 1: the program's statements compare them with TRUE, which is 1, so an
// Access-style -1 would never match.
std::optional<bool> yes_no(const std::optional<qlonglong>& n) {
    if (!n || (*n != 0 && *n != 1)) return std::nullopt;
    return *n == 1;
}

std::optional<qlonglong> Checker::number(const QVariant& v) const {
    if (v.isNull()) return std::nullopt;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return n;
}

bool fits16(qlonglong n) {
    return n >= 0 && n <= 32767;
}

void Checker::check_questions() {
    if (!has_table(QStringLiteral("questions")))
        return fault(QStringLiteral("questions"), QStringLiteral("表不存在"));
    if (!require_columns(QStringLiteral("questions"), schema::questions_columns())) return;
    QSqlQuery q(db_);
    q.exec(QStringLiteral(
        "SELECT id, question, question_a, question_b, question_c, question_d, answer,"
        " type_select, type_picture, answer_analysis, name_media, type_xiaoche,"
        " type_huoche, type_keche, type_safe FROM questions"));
    while (q.next()) {
        const auto id = number(q.value(0));
        const QString where = QStringLiteral("questions 表 id=%1").arg(q.value(0).toString());
        if (!id || !fits16(*id)) {
            fault(where, QStringLiteral("id 不是 0 至 32767 的整数"));
            continue;
        }
        const auto kind = number(q.value(7));
        if (!kind || *kind < 0 || *kind > 2) {
            fault(where, QStringLiteral("type_select 必须是 0、1 或 2"));
            kinds_.insert(*id, unknown_kind);  // the question exists; its rows are not missing
            continue;
        }
        kinds_.insert(*id, int(*kind));
        for (int c : {1, 6, 9})
            if (q.value(c).isNull())
                fault(where, QStringLiteral("%1 为空值").arg(q.record().fieldName(c)));
        if (*kind == 2)
            for (int c = 2; c <= 5; ++c)
                if (q.value(c).isNull())
                    fault(where, QStringLiteral("判断题的 %1 为空值").arg(q.record().fieldName(c)));
        if (!schema::answer_fits_kind(int(*kind), q.value(6).toString(), false))
            fault(where,
                  QStringLiteral("答案“%1”不符合该题型的答案格式").arg(q.value(6).toString()));
        const auto media = number(q.value(8));
        if (!media || !fits16(*media)) fault(where, QStringLiteral("type_picture 不是 16 位整数"));
        if (media && (*media == 4 || *media == 5) && q.value(10).toString().trimmed().isEmpty())
            fault(where, QStringLiteral("图片题或动画题缺少 name_media"));
        for (int c = 11; c <= 14; ++c)
            if (!yes_no(number(q.value(c))))
                fault(where,
                      QStringLiteral("%1 不是是/否值（应为 0 或 1）").arg(q.record().fieldName(c)));
    }
}

void Checker::check_car() {
    const QString car = QStringLiteral("car");
    if (!has_table(car)) return fault(car, QStringLiteral("表不存在"));
    if (!require_columns(car, schema::car_columns())) return;
    QSqlQuery q(db_);
    q.exec(QStringLiteral(
        "SELECT id, table_name, car_title, car_detail, is_selected, car_type FROM car"
        " ORDER BY id ASC"));
    int rows = 0;
    QStringList selected;
    while (q.next()) {
        const QString where = QStringLiteral("car 表 id=%1").arg(q.value(0).toString());
        const auto id = number(q.value(0));
        if (!id || *id != rows)
            fault(where, QStringLiteral("id 应为 %1（id 须从 0 起连续）").arg(rows));
        ++rows;
        for (int c = 1; c <= 3; ++c)
            if (q.value(c).isNull())
                fault(where, QStringLiteral("%1 为空值").arg(q.record().fieldName(c)));
        const QString count_table = q.value(1).toString();
        if (!q.value(1).isNull() && !has_table(count_table))
            fault(where, QStringLiteral("table_name 指向不存在的表“%1”").arg(count_table));
        const auto sel = yes_no(number(q.value(4)));
        if (!sel)
            fault(where, QStringLiteral("is_selected 不是是/否值（应为 0 或 1）"));
        else if (*sel)
            selected.append(q.value(0).toString());
        const auto code = number(q.value(5));
        const QString prefix = code ? table_prefix(CarType(*code)) : QString();
        if (prefix.isEmpty()) {
            fault(where,
                  QStringLiteral("car_type %1 不是已知的车型代码").arg(q.value(5).toString()));
        } else {
            if (rows == 1 && *code != 0)
                fault(where, QStringLiteral("id 0 应为小车类（car_type 0）"));
            if (!prefixes_.contains(prefix)) prefixes_.append(prefix);
        }
    }
    if (rows < 4) fault(car, QStringLiteral("只有 %1 行，至少需要 4 行").arg(rows));
    if (rows > 5) fault(car, QStringLiteral("有 %1 行，车型选择界面只显示前 5 行").arg(rows));
    if (selected.size() != 1)
        fault(car, QStringLiteral("选中的行有 %1 个（id %2），应恰好 1 个")
                       .arg(selected.size())
                       .arg(selected.join(QStringLiteral(", "))));
}

void Checker::check_practice(const QString& table, const QString& role) {
    if (practice_checked_.contains(table)) return;
    practice_checked_.insert(table);
    if (!schema::is_plain_identifier(table))
        return fault(role, QStringLiteral("表名“%1”不合法").arg(table));
    if (!has_table(table)) return fault(role, QStringLiteral("表“%1”不存在").arg(table));
    if (!require_columns(table, schema::practice_columns())) return;

    QSqlQuery info(db_);
    info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    while (info.next()) {
        if (info.value(1).toString() != QLatin1String("position_prev")) continue;
        const QString def = info.value(4).toString().trimmed().toLower();
        if (def != QLatin1String("false") && def != QLatin1String("0"))
            fault(table, QStringLiteral("position_prev 的默认值应为 False"));
    }

    QSqlQuery q(db_);
    q.exec(QStringLiteral(
               "SELECT id, position_prev, type_answer, ref_id, answer FROM %1 ORDER BY id ASC")
               .arg(table));
    int expected = 0;
    QStringList markers;
    QSet<qlonglong> refs;
    while (q.next()) {
        const QString where = QStringLiteral("%1 表 id=%2").arg(table, q.value(0).toString());
        const auto id = number(q.value(0));
        if (!id) {
            fault(where, QStringLiteral("id 不是整数"));
            continue;
        }
        if (*id != expected) {
            fault(where, expected < *id
                             ? QStringLiteral("缺少 id %1（id 须从 0 起连续）").arg(expected)
                             : QStringLiteral("id 重复"));
            expected = int(*id);
        }
        ++expected;
        const auto marker = yes_no(number(q.value(1)));
        if (!marker)
            fault(where, QStringLiteral("position_prev 不是是/否值（应为 0 或 1）"));
        else if (*marker)
            markers.append(q.value(0).toString());
        const auto result = number(q.value(2));
        if (!result || *result < 0 || *result > 2)
            fault(where, QStringLiteral("type_answer 必须是 0、1 或 2"));
        const auto ref = number(q.value(3));
        if (!ref || !fits16(*ref)) {
            fault(where, QStringLiteral("ref_id 不是 16 位整数"));
            continue;
        }
        if (refs.contains(*ref)) fault(where, QStringLiteral("ref_id %1 在表中重复").arg(*ref));
        refs.insert(*ref);
        if (!kinds_.contains(*ref)) {
            fault(where, QStringLiteral("ref_id %1 在 questions 表中不存在").arg(*ref));
        } else if (q.value(4).isNull()) {
            fault(where, QStringLiteral("answer 为空值"));
        } else if (kinds_.value(*ref) != unknown_kind &&
                   !schema::answer_fits_kind(kinds_.value(*ref), q.value(4).toString(), true)) {
            fault(where,
                  QStringLiteral("答案“%1”不符合该题型的答案格式").arg(q.value(4).toString()));
        }
    }
    if (markers.size() > 1)
        fault(table, QStringLiteral("有 %1 个续练标记（id %2），至多 1 个")
                         .arg(markers.size())
                         .arg(markers.join(QStringLiteral(", "))));
    if (expected > max_unit_rows)
        fault(table,
              QStringLiteral("有 %1 行，单元列表至多显示 %2 行").arg(expected).arg(max_unit_rows));
}

void Checker::check_lists(const QString& prefix) {
    check_practice(prefix + QStringLiteral("_sequence"), prefix + QStringLiteral("_sequence"));
    check_practice(prefix + QStringLiteral("_error"), prefix + QStringLiteral("_error"));

    // Any number of entries can be shown (the lists scroll); an empty list is a bank left
    // unfinished. A row whose text or table is missing still shows, but cannot be practised.
    const struct {
        QString table;
        QStringList columns;
        QString select;
    } lists[] = {
        {prefix + QStringLiteral("_chapter"), schema::chapter_list_columns(),
         QStringLiteral("SELECT chapter_detail, chapter_table_name, chapter_id FROM %1 ORDER BY "
                        "chapter_id ASC")},
        {prefix + QStringLiteral("_special"), schema::special_list_columns(),
         QStringLiteral("SELECT special_detail, special_table_name FROM %1")},
    };
    for (const auto& list : lists) {
        if (!has_table(list.table)) {
            fault(list.table, QStringLiteral("表不存在"));
            continue;
        }
        if (!require_columns(list.table, list.columns)) continue;
        QSqlQuery q(db_);
        q.exec(list.select.arg(list.table));
        int rows = 0;
        while (q.next()) {
            ++rows;
            QString where = QStringLiteral("%1 表第 %2 行").arg(list.table).arg(rows);
            if (q.record().count() > 2)
                where += QStringLiteral("（chapter_id=%1）").arg(q.value(2).toString());
            for (int c = 0; c < q.record().count(); ++c)
                if (q.value(c).isNull())
                    fault(where, QStringLiteral("%1 为空值").arg(q.record().fieldName(c)));
            if (!q.value(1).isNull()) check_practice(q.value(1).toString(), where);
        }
        if (rows < 1) fault(list.table, QStringLiteral("没有任何行，练习时列表为空"));
    }
}

void Checker::check_pools() {
    struct Need {
        const char* kind_name;
        int kind;
        int count;
    };
    auto check = [&](const QString& label, const QString& condition,
                     std::initializer_list<Need> needs) {
        for (const Need& n : needs) {
            QSqlQuery q(db_);
            q.exec(QStringLiteral("SELECT count(*) FROM questions WHERE %1 AND type_select = %2")
                       .arg(condition)
                       .arg(n.kind));
            const int have = q.next() ? q.value(0).toInt() : 0;
            if (have < n.count)
                fault(QStringLiteral("考试题库 %1").arg(label),
                      QStringLiteral("%1只有 %2 道，一份试卷需要 %3 道")
                          .arg(QString::fromUtf8(n.kind_name))
                          .arg(have)
                          .arg(n.count));
        }
    };
    const std::initializer_list<Need> subject_one = {{"判断题", 2, 40}, {"单选题", 0, 60}};
    if (prefixes_.contains(QStringLiteral("xiaoche")))
        check(QStringLiteral("type_xiaoche"), QStringLiteral("type_xiaoche = TRUE"), subject_one);
    if (prefixes_.contains(QStringLiteral("huoche")))
        check(QStringLiteral("type_huoche"), QStringLiteral("type_huoche = TRUE"), subject_one);
    if (prefixes_.contains(QStringLiteral("keche")))
        check(QStringLiteral("type_keche"), QStringLiteral("type_keche = TRUE"), subject_one);
    if (prefixes_.contains(QStringLiteral("safe")))
        check(QStringLiteral("type_safe"), QStringLiteral("type_safe = TRUE"),
              {{"判断题", 2, 22}, {"单选题", 0, 22}, {"多选题", 1, 6}});
    // The motorcycle category has no pool flag; its exam draws from its sequence table.
    if (prefixes_.contains(QStringLiteral("motuoche")) &&
        has_table(QStringLiteral("motuoche_sequence")))
        check(QStringLiteral("motuoche_sequence"),
              QStringLiteral("id IN (SELECT ref_id FROM motuoche_sequence)"), subject_one);
}

// Every frame of an image file (a picture has one); the reader's complaint, or empty when all
// decode.
QString decode_problem(QIODevice* device) {
    QImageReader reader(device);
    reader.setDecideFormatFromContent(true);
    int frames = 0;
    do {
        const QImage frame = reader.read();
        if (frame.isNull()) {
            return frames == 0 || reader.error() != QImageReader::UnknownError
                       ? reader.errorString()
                       : QString();
        }
        ++frames;
    } while (reader.supportsAnimation() && reader.canRead());
    return {};
}

void Checker::check_media() {
    QSqlQuery q(db_);
    q.exec(QStringLiteral(
        "SELECT id, type_picture, name_media FROM questions WHERE type_picture IN (4, 5)"));
    while (q.next()) {
        const QString name = q.value(2).toString();
        const bool picture = q.value(1).toInt() == 4;
        const QString where = QStringLiteral("questions 表 id=%1").arg(q.value(0).toString());
        // The program opens only plain file names inside its own folders.
        if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
            name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QChar(0))) {
            fault(where, QStringLiteral("name_media“%1”含有文件夹部分，只能是文件名").arg(name));
            continue;
        }
        const QString path = options_.program_folder +
                             (picture ? QStringLiteral("/tr/") : QStringLiteral("/aces/")) + name;
        const QFileInfo info(path);
        if (!info.isFile()) {
            fault(where, QStringLiteral("媒体文件不存在：%1").arg(path));
            continue;
        }
        if (picture && info.size() < 2) {
            fault(where, QStringLiteral("图片文件没有内容：%1").arg(path));
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            fault(where, QStringLiteral("媒体文件无法读取：%1").arg(path));
            continue;
        }
        if (picture) {
            // A stored picture carries one leading byte before the image.
            QByteArray bytes = file.readAll().mid(1);
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            const QString problem = decode_problem(&buffer);
            if (!problem.isEmpty())
                fault(where, QStringLiteral("图片无法解码：%1（%2）").arg(path, problem));
            continue;
        }
        const QString suffix = info.suffix().toLower();
        if (suffix == QLatin1String("gif") || suffix == QLatin1String("webp")) {
            const QString problem = decode_problem(&file);
            if (!problem.isEmpty())
                fault(where, QStringLiteral("动画无法解码：%1（%2）").arg(path, problem));
        }
    }
}

void Checker::check_schema_objects() {
    // The program's statements expect plain tables; anything that runs on its own inside a shared
    // bank is reported.
    QSqlQuery q(db_);
    q.exec(QStringLiteral(
        "SELECT type, name, tbl_name FROM sqlite_master WHERE type IN ('trigger', 'view') "
        "ORDER BY type, name"));
    while (q.next()) {
        if (q.value(0).toString() == QLatin1String("trigger"))
            fault(QStringLiteral("题库文件"),
                  QStringLiteral("含有本程序不使用的触发器“%1”（表 %2）")
                      .arg(q.value(1).toString(), q.value(2).toString()));
        else
            fault(QStringLiteral("题库文件"),
                  QStringLiteral("含有本程序不使用的视图“%1”").arg(q.value(1).toString()));
    }
}

// Stems are compared without blanks and punctuation, so that "多少？" and "多少?" count as one.
QString stem_key(const QString& stem) {
    QString key;
    for (const QChar c : stem)
        if (!c.isSpace() && !c.isPunct()) key.append(c);
    return key;
}

QString ids_text(const QList<qlonglong>& ids) {
    QStringList parts;
    for (qlonglong id : ids) parts.append(QString::number(id));
    return parts.join(QStringLiteral("、"));
}

void Checker::load_content() {
    QHash<qlonglong, int> index;
    QSqlQuery q(db_);
    q.exec(QStringLiteral(
        "SELECT id, type_select, type_picture, name_media, question, question_a, question_b,"
        " question_c, question_d, answer, type_xiaoche, type_huoche, type_keche, type_safe"
        " FROM questions ORDER BY id ASC"));
    while (q.next()) {
        Content c;
        c.id = q.value(0).toLongLong();
        c.kind = q.value(1).toInt();
        c.media = q.value(2).toInt();
        c.media_name = q.value(3).toString();
        c.stem = q.value(4).toString();
        for (int i = 0; i < 4; ++i) c.options[i] = q.value(5 + i).toString().trimmed();
        c.answer = q.value(9).toString();
        for (int i = 0; i < 4; ++i) c.flags[i] = q.value(10 + i).toInt() == 1;
        index.insert(c.id, int(content_.size()));
        content_.append(c);
    }
    for (const QString& prefix : prefixes_) {
        const QString table = prefix + QStringLiteral("_sequence");
        if (!has_table(table) || !schema::is_plain_identifier(table)) continue;
        QSqlQuery s(db_);
        s.exec(QStringLiteral("SELECT ref_id FROM %1 ORDER BY ref_id ASC").arg(table));
        QList<int>& members = sequences_[prefix];
        while (s.next()) {
            const auto it = index.constFind(s.value(0).toLongLong());
            if (it != index.constEnd()) members.append(*it);
        }
    }
}

// What the right answer says, independent of the order of the options.
QString keyed_text(int kind, const QString& answer, const QString (&options)[4]) {
    if (kind == 2) return answer;
    QStringList keyed;
    for (const QChar letter : answer) {
        const int i = letter.unicode() - 'A';
        if (i >= 0 && i < 4) keyed.append(stem_key(options[i]));
    }
    keyed.sort();
    return keyed.join(QLatin1Char('|'));
}

void Checker::check_repeats() {
    // A text question asked twice in one category's sequence only repeats itself; questions with
    // media share generic stems ("这个标志是何含义？") and differ by their picture.
    for (auto it = sequences_.cbegin(); it != sequences_.cend(); ++it) {
        QMap<QString, QList<qlonglong>> by_stem;
        for (int i : it.value())
            if (content_[i].media == 3) by_stem[stem_key(content_[i].stem)].append(content_[i].id);
        for (const QList<qlonglong>& ids : by_stem)
            if (ids.size() > 1)
                fault(it.key() + QStringLiteral("_sequence"),
                      QStringLiteral("文字题题干重复（id %1）").arg(ids_text(ids)));
    }
    // The same question keyed differently teaches two answers to one question, in any category.
    QMap<QString, QList<int>> asked;
    for (int i = 0; i < content_.size(); ++i) {
        const Content& c = content_[i];
        asked[stem_key(c.stem) + QLatin1Char('\n') + (c.media == 3 ? QString() : c.media_name)]
            .append(i);
    }
    for (const QList<int>& group : asked) {
        QSet<QString> answers;
        QList<qlonglong> ids;
        for (int i : group) {
            answers.insert(keyed_text(content_[i].kind, content_[i].answer, content_[i].options));
            ids.append(content_[i].id);
        }
        if (answers.size() > 1)
            fault(QStringLiteral("questions 表 id %1").arg(ids_text(ids)),
                  QStringLiteral("题干相同而正确答案不同"));
    }
}

void Checker::check_subject_one_kinds() {
    // The written test for cars, trucks, buses and motorcycles has no multiple-choice questions.
    const struct {
        const char* prefix;
        int flag;  // index into Content::flags, or -1 for the motorcycle, which has no pool flag
    } subject_one[] = {{"xiaoche", 0}, {"huoche", 1}, {"keche", 2}, {"motuoche", -1}};
    for (const auto& s : subject_one) {
        const QString prefix = QString::fromLatin1(s.prefix);
        QList<qlonglong> in_sequence;
        for (int i : sequences_.value(prefix))
            if (content_[i].kind == 1) in_sequence.append(content_[i].id);
        if (!in_sequence.isEmpty())
            fault(prefix + QStringLiteral("_sequence"),
                  QStringLiteral("科目一不考多选题，却含多选题 id %1").arg(ids_text(in_sequence)));
        if (s.flag < 0) continue;
        QList<qlonglong> in_pool;
        for (const Content& c : content_)
            if (c.flags[s.flag] && c.kind == 1) in_pool.append(c.id);
        if (!in_pool.isEmpty())
            fault(QStringLiteral("考试题库 type_%1").arg(prefix),
                  QStringLiteral("科目一不考多选题，却含多选题 id %1").arg(ids_text(in_pool)));
    }
}

QString percent(int part, int whole) {
    return QStringLiteral("%1%（%2/%3）").arg(qRound(100.0 * part / whole)).arg(part).arg(whole);
}

void Checker::figures_of(const QString& label, const QList<int>& pool) {
    const QString where = QStringLiteral("考试题库 %1").arg(label);
    int single = 0, strictly_longest = 0, among_longest = 0, judge = 0, true_keyed = 0;
    int letters[4] = {};
    for (int i : pool) {
        const Content& c = content_[i];
        if (c.kind == 2) {
            ++judge;
            if (c.answer == QLatin1String("Y")) ++true_keyed;
            continue;
        }
        if (c.kind != 0 || c.answer.size() != 1) continue;
        const int key = c.answer[0].unicode() - 'A';
        if (key < 0 || key > 3) continue;
        ++single;
        ++letters[key];
        qsizetype longest = 0;
        int at_longest = 0;
        for (const QString& o : c.options) longest = std::max(longest, o.size());
        for (const QString& o : c.options) at_longest += o.size() == longest;
        if (c.options[key].size() == longest) {
            ++among_longest;
            if (at_longest == 1) ++strictly_longest;
        }
    }
    if (single >= options_.figures_min_pool) {
        if (strictly_longest * 100 > 30 * single)
            fault(where, QStringLiteral("单选题中正确选项是唯一最长选项的占 %1，应不超过 30%")
                             .arg(percent(strictly_longest, single)));
        if (among_longest * 100 > 45 * single)
            fault(where,
                  QStringLiteral("单选题中正确选项是最长选项之一（含并列）的占 %1，应不超过 45%")
                      .arg(percent(among_longest, single)));
        for (int l = 0; l < 4; ++l)
            if (letters[l] * 100 < 20 * single || letters[l] * 100 > 30 * single)
                fault(where, QStringLiteral("单选题答案为 %1 的占 %2，应在 20% 至 30% 之间")
                                 .arg(QChar('A' + l))
                                 .arg(percent(letters[l], single)));
    }
    if (judge >= options_.figures_min_pool &&
        (true_keyed * 100 < 40 * judge || true_keyed * 100 > 60 * judge))
        fault(where, QStringLiteral("判断题答案为“对”的占 %1，应在 40% 至 60% 之间")
                         .arg(percent(true_keyed, judge)));
}

void Checker::check_figures() {
    const char* const flags[] = {"type_xiaoche", "type_huoche", "type_keche", "type_safe"};
    const char* const prefixes[] = {"xiaoche", "huoche", "keche", "safe"};
    for (int f = 0; f < 4; ++f) {
        if (!prefixes_.contains(QString::fromLatin1(prefixes[f]))) continue;
        QList<int> pool;
        for (int i = 0; i < content_.size(); ++i)
            if (content_[i].flags[f]) pool.append(i);
        figures_of(QString::fromLatin1(flags[f]), pool);
    }
    if (sequences_.contains(QStringLiteral("motuoche")))
        figures_of(QStringLiteral("motuoche_sequence"),
                   sequences_.value(QStringLiteral("motuoche")));
}

QStringList Checker::run() {
    QSqlQuery t(db_);
    if (!t.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        return {QStringLiteral("题库文件：不是 SQLite 数据库（%1）").arg(t.lastError().text())};
    }
    while (t.next()) tables_.insert(t.value(0).toString().toLower());
    check_schema_objects();
    check_questions();
    check_car();
    for (const QString& prefix : prefixes_) check_lists(prefix);
    if (has_table(QStringLiteral("questions"))) {
        load_content();
        check_repeats();
        check_subject_one_kinds();
        if (options_.check_pools) {
            check_pools();
            check_figures();
        }
    }
    if (!options_.program_folder.isEmpty() && has_table(QStringLiteral("questions"))) check_media();
    return faults_;
}

}  // namespace

QStringList check_bank(const QString& bank_path, const CheckOptions& options) {
    if (!QFileInfo(bank_path).isFile())
        return {QStringLiteral("题库文件：%1 不存在").arg(bank_path)};
    const QString connection = QStringLiteral("bankctl_check");
    QStringList faults;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        // A WAL bank nobody has open is read as it lies: opened read-only the usual way, SQLite
        // would leave side files beside it that it cannot remove again.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        db.setDatabaseName(sqlite_uri(bank_path, wal_file_at_rest(bank_path)
                                                     ? QStringLiteral("mode=ro&immutable=1")
                                                     : QStringLiteral("mode=ro")));
        if (!db.open()) {
            faults.append(QStringLiteral("题库文件：无法打开（%1）").arg(db.lastError().text()));
        } else {
            Checker checker(db, options);
            faults = checker.run();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return faults;
}

}  // namespace trelvo::bankkit
