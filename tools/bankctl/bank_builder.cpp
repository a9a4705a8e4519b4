#include "bank_builder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <filesystem>

#include "core/bank_schema.h"
#include "core/car_type.h"
#include "csv.h"

namespace trelvo::bankkit {

namespace {

namespace schema = trelvo::bank_schema;

struct Question {
    int id = 0;
    int type_select = 0;
    QString question, a, b, c, d, answer, analysis;
    int type_picture = 3;
    QString name_media;
    bool pools[4] = {};
    QStringList sequence;
    int chapter = 0;
    QStringList tags;
};

const QStringList question_columns = {
    "id",          "type_select", "question",        "question_a",   "question_b", "question_c",
    "question_d",  "answer",      "answer_analysis", "type_picture", "name_media", "type_xiaoche",
    "type_huoche", "type_keche",  "type_safe",       "sequence",     "chapter",    "tags"};

const char* const pool_columns[4] = {"type_xiaoche", "type_huoche", "type_keche", "type_safe"};

class Builder {
  public:
    Builder(QString data_dir, BuildReport& report) : dir_(std::move(data_dir)), report_(report) {}

    bool read_sources();
    bool write(const QString& path);

  private:
    void error(const QString& where, int line, const QString& what) {
        report_.errors.append(QStringLiteral("%1 第%2行：%3").arg(where).arg(line).arg(what));
    }
    bool load(CsvTable& table, const QString& name, const QStringList& columns);
    void read_question(const CsvTable& t, int row);
    QList<int> select(const QString& prefix, const QString& rule, const QString& where, int line);
    bool fill_practice(QSqlDatabase& db, const QString& table, const QList<int>& ids);

    QString dir_;
    BuildReport& report_;
    QList<Question> questions_;
    QMap<int, int> by_id_;  // id -> index in questions_
    CsvTable car_, chapters_, specials_;
};

bool Builder::load(CsvTable& table, const QString& name, const QStringList& columns) {
    QString err;
    if (!table.load(QDir(dir_).filePath(name), err)) {
        report_.errors.append(err);
        return false;
    }
    const QStringList missing = table.missing_columns(columns);
    if (!missing.isEmpty()) {
        report_.errors.append(
            QStringLiteral("%1：缺少列 %2").arg(table.path(), missing.join(QStringLiteral(", "))));
        return false;
    }
    return true;
}

int to_int(const QString& s, bool& ok) {
    const int v = s.trimmed().toInt(&ok);
    return v;
}

void Builder::read_question(const CsvTable& t, int row) {
    const QString where = QFileInfo(t.path()).fileName();
    const int line = t.line(row);
    Question q;
    bool ok = false;
    q.id = to_int(t.value(row, "id"), ok);
    if (!ok || q.id < 0 || q.id > 32767)
        return error(where, line, QStringLiteral("id 必须是 0 至 32767 的整数"));
    if (by_id_.contains(q.id)) return error(where, line, QStringLiteral("id %1 重复").arg(q.id));
    q.type_select = to_int(t.value(row, "type_select"), ok);
    if (!ok || q.type_select < 0 || q.type_select > 2)
        return error(where, line, QStringLiteral("type_select 必须是 0、1 或 2"));
    q.question = t.value(row, "question");
    q.a = t.value(row, "question_a");
    q.b = t.value(row, "question_b");
    q.c = t.value(row, "question_c");
    q.d = t.value(row, "question_d");
    q.answer = t.value(row, "answer").trimmed();
    q.analysis = t.value(row, "answer_analysis");
    if (q.question.trimmed().isEmpty()) error(where, line, QStringLiteral("题干为空"));
    if (q.analysis.trimmed().isEmpty()) error(where, line, QStringLiteral("答案解析为空"));
    if (!schema::answer_fits_kind(q.type_select, q.answer, false))
        error(where, line, QStringLiteral("答案“%1”不符合该题型的答案格式").arg(q.answer));
    const bool options_empty = q.a.isEmpty() && q.b.isEmpty() && q.c.isEmpty() && q.d.isEmpty();
    if (q.type_select == 2 && !options_empty)
        error(where, line, QStringLiteral("判断题的选项应为空"));
    if (q.type_select != 2 && (q.a.isEmpty() || q.b.isEmpty() || q.c.isEmpty() || q.d.isEmpty()))
        error(where, line, QStringLiteral("选择题缺少选项"));
    q.type_picture = to_int(t.value(row, "type_picture"), ok);
    if (!ok || q.type_picture < 3 || q.type_picture > 5)
        error(where, line, QStringLiteral("type_picture 必须是 3、4 或 5"));
    q.name_media = t.value(row, "name_media").trimmed();
    if ((q.type_picture == 4 || q.type_picture == 5) && q.name_media.isEmpty())
        error(where, line, QStringLiteral("图片题或动画题缺少 name_media"));
    if (q.type_picture == 3 && !q.name_media.isEmpty())
        error(where, line, QStringLiteral("无媒体的题目不应有 name_media"));
    for (int p = 0; p < 4; ++p) {
        const QString v = t.value(row, QLatin1String(pool_columns[p])).trimmed();
        if (v != QLatin1String("0") && v != QLatin1String("1"))
            error(where, line, QStringLiteral("%1 必须是 0 或 1").arg(pool_columns[p]));
        q.pools[p] = v == QLatin1String("1");
    }
    q.sequence = t.value(row, "sequence").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& prefix : q.sequence) {
        bool known = false;
        for (CarType code : known_car_types) known = known || table_prefix(code) == prefix;
        if (!known)
            error(where, line, QStringLiteral("sequence 中的“%1”不是已知的车型前缀").arg(prefix));
    }
    q.chapter = to_int(t.value(row, "chapter"), ok);
    if (!ok || q.chapter < 1 || q.chapter > 8)
        error(where, line, QStringLiteral("chapter 必须是 1 至 8"));
    q.tags = t.value(row, "tags").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    by_id_.insert(q.id, int(questions_.size()));
    questions_.append(q);
}

bool Builder::read_sources() {
    const QDir qdir(QDir(dir_).filePath(QStringLiteral("questions")));
    const QStringList files = qdir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) report_.errors.append(QStringLiteral("%1：没有题目文件").arg(qdir.path()));
    for (const QString& f : files) {
        CsvTable t;
        if (!load(t, QStringLiteral("questions/") + f, question_columns)) continue;
        for (int r = 0; r < t.size(); ++r) read_question(t, r);
    }
    load(car_, QStringLiteral("car.csv"), schema::car_columns());
    load(chapters_, QStringLiteral("chapters.csv"),
         {"list_table", "chapter_id", "chapter_detail", "chapter_table_name", "chapter"});
    load(specials_, QStringLiteral("topics.csv"),
         {"list_table", "special_detail", "special_table_name", "select"});
    std::sort(questions_.begin(), questions_.end(),
              [](const Question& x, const Question& y) { return x.id < y.id; });
    for (int i = 0; i < questions_.size(); ++i) by_id_[questions_[i].id] = i;
    return report_.errors.isEmpty();
}

QList<int> Builder::select(const QString& prefix, const QString& rule, const QString& where,
                           int line) {
    const qsizetype eq = rule.indexOf(QLatin1Char('='));
    const QString key = rule.left(eq).trimmed();
    const QString value = rule.mid(eq + 1).trimmed();
    QList<int> ids;
    if (eq < 0 || (key != QLatin1String("type_select") && key != QLatin1String("type_picture") &&
                   key != QLatin1String("tag") && key != QLatin1String("chapter"))) {
        error(where, line, QStringLiteral("无法识别的选题规则“%1”").arg(rule));
        return ids;
    }
    for (const Question& q : questions_) {
        if (!q.sequence.contains(prefix)) continue;
        bool take = false;
        if (key == QLatin1String("type_select")) take = QString::number(q.type_select) == value;
        if (key == QLatin1String("type_picture")) take = QString::number(q.type_picture) == value;
        if (key == QLatin1String("chapter")) take = QString::number(q.chapter) == value;
        if (key == QLatin1String("tag")) take = q.tags.contains(value);
        if (take) ids.append(q.id);
    }
    if (ids.isEmpty())
        report_.summary.append(
            QStringLiteral("注意：%1 第%2行的规则“%3”在 %4 中选不出任何题目，该表为空")
                .arg(where)
                .arg(line)
                .arg(rule, prefix));
    return ids;
}

bool exec(QSqlDatabase& db, const QString& sql, BuildReport& report) {
    QSqlQuery q(db);
    if (!q.exec(sql)) {
        report.errors.append(QStringLiteral("执行失败：%1（%2）").arg(q.lastError().text(), sql));
        return false;
    }
    return true;
}

bool Builder::fill_practice(QSqlDatabase& db, const QString& table, const QList<int>& ids) {
    if (!schema::is_plain_identifier(table)) {
        report_.errors.append(QStringLiteral("表名“%1”不合法").arg(table));
        return false;
    }
    if (!exec(db, schema::practice_table(table), report_)) return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO %1 (id, ref_id) VALUES (?, ?)").arg(table));
    for (int i = 0; i < ids.size(); ++i) {
        q.addBindValue(i);
        q.addBindValue(ids[i]);
        if (!q.exec()) {
            report_.errors.append(QStringLiteral("%1：%2").arg(table, q.lastError().text()));
            return false;
        }
    }
    report_.summary.append(QStringLiteral("%1: %2 行").arg(table).arg(ids.size()));
    return true;
}

bool Builder::write(const QString& path) {
    const QString connection = QStringLiteral("bankctl_build");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            report_.errors.append(
                QStringLiteral("%1：无法创建（%2）").arg(path, db.lastError().text()));
            ok = false;
        }
        if (ok && !db.transaction()) {
            report_.errors.append(
                QStringLiteral("%1：无法开始事务（%2）").arg(path, db.lastError().text()));
            ok = false;
        }
        ok = ok && exec(db, schema::questions_table(), report_);
        if (ok) {
            QSqlQuery q(db);
            q.prepare(QStringLiteral(
                "INSERT INTO questions (id, question, question_a, question_b, question_c, "
                "question_d,"
                " answer, type_select, type_picture, answer_analysis, name_media, type_xiaoche,"
                " type_huoche, type_keche, type_safe) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
            for (const Question& x : questions_) {
                for (const QVariant& v :
                     QVariantList{x.id, x.question, x.a, x.b, x.c, x.d, x.answer, x.type_select,
                                  x.type_picture, x.analysis, x.name_media, x.pools[0], x.pools[1],
                                  x.pools[2], x.pools[3]})
                    q.addBindValue(v);
                if (!q.exec()) {
                    report_.errors.append(
                        QStringLiteral("questions：%1").arg(q.lastError().text()));
                    ok = false;
                    break;
                }
            }
            report_.summary.append(QStringLiteral("questions: %1 行").arg(questions_.size()));
        }

        // Categories: table car, and per category its sequence table and empty wrong-answer book.
        QStringList prefixes;
        ok = ok && exec(db, schema::car_table(), report_);
        for (int r = 0; ok && r < car_.size(); ++r) {
            QSqlQuery q(db);
            q.prepare(
                QStringLiteral("INSERT INTO car (id, table_name, car_title, car_detail,"
                               " is_selected, car_type) VALUES (?,?,?,?,?,?)"));
            bool id_ok = false, code_ok = false;
            const int id = car_.value(r, "id").trimmed().toInt(&id_ok);
            const int code = car_.value(r, "car_type").trimmed().toInt(&code_ok);
            const QString selected = car_.value(r, "is_selected").trimmed();
            if (!id_ok || !code_ok ||
                (selected != QLatin1String("0") && selected != QLatin1String("1"))) {
                error(QStringLiteral("car.csv"), car_.line(r),
                      QStringLiteral("id 和 car_type 须为整数，is_selected 须为 0 或 1"));
                ok = false;
                break;
            }
            for (const QVariant& v :
                 QVariantList{id, car_.value(r, "table_name"), car_.value(r, "car_title"),
                              car_.value(r, "car_detail"), selected == QLatin1String("1"), code})
                q.addBindValue(v);
            if (!q.exec()) {
                error(QStringLiteral("car.csv"), car_.line(r), q.lastError().text());
                ok = false;
            }
            const QString prefix = table_prefix(CarType(code));
            if (prefix.isEmpty()) {
                error(QStringLiteral("car.csv"), car_.line(r),
                      QStringLiteral("未知的 car_type %1").arg(code));
                ok = false;
            } else if (!prefixes.contains(prefix)) {
                prefixes.append(prefix);
            }
        }
        QMap<QString, QList<int>> sequences;
        for (const QString& prefix : prefixes) {
            QList<int> ids;
            for (const Question& q : questions_)
                if (q.sequence.contains(prefix)) ids.append(q.id);
            sequences.insert(prefix, ids);
            ok = ok && fill_practice(db, prefix + QStringLiteral("_sequence"), ids);
            ok = ok && fill_practice(db, prefix + QStringLiteral("_error"), {});
        }

        // Chapter and special-topic lists with their practice tables.
        QStringList lists_made;
        for (int r = 0; ok && r < chapters_.size(); ++r) {
            const QString list = chapters_.value(r, "list_table");
            const QString prefix = list.section(QLatin1Char('_'), 0, 0);
            if (!prefixes.contains(prefix) || list != prefix + QStringLiteral("_chapter")) {
                error(QStringLiteral("chapters.csv"), chapters_.line(r),
                      QStringLiteral("列表表名“%1”不属于任何车型").arg(list));
                ok = false;
                break;
            }
            if (!lists_made.contains(list)) {
                ok = ok && exec(db, schema::chapter_list_table(list), report_);
                lists_made.append(list);
            }
            const QString table = chapters_.value(r, "chapter_table_name");
            QSqlQuery q(db);
            q.prepare(
                QStringLiteral("INSERT INTO %1 (chapter_id, chapter_detail, chapter_table_name)"
                               " VALUES (?,?,?)")
                    .arg(list));
            bool id_ok = false;
            q.addBindValue(chapters_.value(r, "chapter_id").trimmed().toInt(&id_ok));
            q.addBindValue(chapters_.value(r, "chapter_detail"));
            q.addBindValue(table);
            if (!id_ok || !q.exec()) {
                error(QStringLiteral("chapters.csv"), chapters_.line(r),
                      id_ok ? q.lastError().text() : QStringLiteral("chapter_id 须为整数"));
                ok = false;
                break;
            }
            const QList<int> ids =
                select(prefix, QStringLiteral("chapter=") + chapters_.value(r, "chapter"),
                       QStringLiteral("chapters.csv"), chapters_.line(r));
            ok = ok && fill_practice(db, table, ids);
        }
        for (int r = 0; ok && r < specials_.size(); ++r) {
            const QString list = specials_.value(r, "list_table");
            const QString prefix = list.section(QLatin1Char('_'), 0, 0);
            if (!prefixes.contains(prefix) || list != prefix + QStringLiteral("_special")) {
                error(QStringLiteral("topics.csv"), specials_.line(r),
                      QStringLiteral("列表表名“%1”不属于任何车型").arg(list));
                ok = false;
                break;
            }
            if (!lists_made.contains(list)) {
                ok = ok && exec(db, schema::special_list_table(list), report_);
                lists_made.append(list);
            }
            const QString table = specials_.value(r, "special_table_name");
            QSqlQuery q(db);
            q.prepare(
                QStringLiteral("INSERT INTO %1 (special_detail, special_table_name) VALUES (?,?)")
                    .arg(list));
            q.addBindValue(specials_.value(r, "special_detail"));
            q.addBindValue(table);
            if (!q.exec()) {
                error(QStringLiteral("topics.csv"), specials_.line(r), q.lastError().text());
                ok = false;
                break;
            }
            const QList<int> ids = select(prefix, specials_.value(r, "select"),
                                          QStringLiteral("topics.csv"), specials_.line(r));
            ok = ok && fill_practice(db, table, ids);
        }
        for (const QString& prefix : prefixes) {
            for (const char* kind : {"_chapter", "_special"}) {
                const QString list = prefix + QLatin1String(kind);
                if (ok && !lists_made.contains(list)) {
                    report_.errors.append(QStringLiteral("车型 %1 没有 %2 列表").arg(prefix, list));
                    ok = false;
                }
            }
        }
        if (ok) ok = db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok && report_.errors.isEmpty();
}

}  // namespace

BuildReport build_bank(const QString& data_dir, const QString& bank_path, bool overwrite) {
    BuildReport report;
    if (QFileInfo::exists(bank_path) && !overwrite) {
        report.errors.append(
            QStringLiteral("%1 已存在：其中保存着学习进度，不予覆盖（确需重建请加 --force）")
                .arg(bank_path));
        return report;
    }
    Builder builder(data_dir, report);
    if (!builder.read_sources()) return report;

    QDir().mkpath(QFileInfo(bank_path).absolutePath());
    const QString temp = bank_path + QStringLiteral(".building");
    QFile::remove(temp);
    if (!builder.write(temp)) {
        QFile::remove(temp);
        return report;
    }
    // A WAL file beside the target belongs to the bank being replaced, or to one deleted after a
    // crash: SQLite would replay it into the new file. With no bank there, or one the caller
    // gives up, nobody needs it.
    if (overwrite || !QFileInfo::exists(bank_path)) {
        QFile::remove(bank_path + QStringLiteral("-wal"));
        QFile::remove(bank_path + QStringLiteral("-shm"));
    }
    std::error_code ec;
    if (overwrite) {
        std::filesystem::rename(temp.toStdString(), bank_path.toStdString(), ec);
    } else {
        // A hard link fails when the target exists, so a bank that appeared meanwhile is kept.
        std::filesystem::create_hard_link(temp.toStdString(), bank_path.toStdString(), ec);
        QFile::remove(temp);
    }
    if (ec) {
        report.errors.append(QStringLiteral("%1：无法写入（%2）")
                                 .arg(bank_path, QString::fromStdString(ec.message())));
        QFile::remove(temp);
        return report;
    }
    report.ok = true;
    return report;
}

}  // namespace trelvo::bankkit
