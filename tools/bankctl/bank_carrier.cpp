#include "bank_carrier.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <optional>

#include "core/bank_schema.h"
#include "core/car_type.h"

namespace trelvo::bankkit {

namespace {

namespace schema = trelvo::bank_schema;

struct Question {
    int kind = 0;
    QString key;
};

class Carrier {
  public:
    Carrier(QSqlDatabase db, CarryReport& report) : db_(std::move(db)), report_(report) {}
    bool run();

  private:
    bool fail(const QSqlQuery& q) {
        report_.errors.append(
            QStringLiteral("执行失败：%1（%2）").arg(q.lastError().text(), q.lastQuery()));
        return false;
    }
    QStringList practice_tables(const QString& schema_name);
    bool load_questions();
    // The learner's answer judged against the new key; nullopt when it no longer fits.
    std::optional<int> judge(int ref_id, const QString& answer, int stored_result) const;
    bool carry_table(const QString& table, bool is_book);
    bool carry_category();

    QSqlDatabase db_;
    CarryReport& report_;
    QHash<int, Question> questions_;
};

QStringList Carrier::practice_tables(const QString& schema_name) {
    QStringList tables;
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'table'")
                    .arg(schema_name)))
        return tables;
    while (q.next()) {
        const QString name = q.value(0).toString();
        if (!schema::is_plain_identifier(name)) continue;
        QSqlQuery cols(db_);
        if (!cols.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema_name, name))) continue;
        QStringList names;
        while (cols.next()) names.append(cols.value(1).toString().toLower());
        bool practice = true;
        for (const QString& c : schema::practice_columns())
            practice = practice && names.contains(c);
        if (practice) tables.append(name);
    }
    return tables;
}

bool Carrier::load_questions() {
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("SELECT id, type_select, answer FROM main.questions")))
        return fail(q);
    while (q.next())
        questions_.insert(q.value(0).toInt(), {q.value(1).toInt(), q.value(2).toString()});
    return true;
}

std::optional<int> Carrier::judge(int ref_id, const QString& answer, int stored_result) const {
    const auto it = questions_.constFind(ref_id);
    if (it == questions_.constEnd()) return std::nullopt;
    if (answer.isEmpty()) return stored_result;
    if (!schema::answer_fits_kind(it->kind, answer, false)) return std::nullopt;
    return answer == it->key ? 1 : 2;
}

bool Carrier::carry_table(const QString& table, bool is_book) {
    QSqlQuery old_rows(db_);
    if (!old_rows.exec(QStringLiteral("SELECT ref_id, type_answer, answer, position_prev FROM "
                                      "old.%1 ORDER BY id ASC")
                           .arg(table)))
        return fail(old_rows);

    QSqlQuery present(db_);
    present.prepare(QStringLiteral("SELECT count(*) FROM main.%1 WHERE ref_id = ?").arg(table));
    QSqlQuery update(db_);
    update.prepare(QStringLiteral("UPDATE main.%1 SET type_answer = ?, answer = ? WHERE ref_id = ?")
                       .arg(table));
    QSqlQuery insert(db_);
    insert.prepare(QStringLiteral("INSERT INTO main.%1 (id, position_prev, type_answer, ref_id, "
                                  "answer) VALUES ((SELECT count(*) FROM main.%1), 0, ?, ?, ?)")
                       .arg(table));
    int resume = -1;
    while (old_rows.next()) {
        const int ref_id = old_rows.value(0).toInt();
        const int result = old_rows.value(1).toInt();
        const QString answer = old_rows.value(2).toString();
        if (old_rows.value(3).toInt() != 0) resume = ref_id;
        if (!is_book && result == 0 && answer.isEmpty()) continue;

        const std::optional<int> judged = judge(ref_id, answer, result);
        present.addBindValue(ref_id);
        if (!present.exec() || !present.next()) return fail(present);
        const bool in_new = present.value(0).toInt() > 0;
        if (!judged || (!is_book && !in_new)) {
            ++report_.dropped;
            continue;
        }
        QSqlQuery& q = in_new ? update : insert;
        if (in_new) {
            q.addBindValue(*judged);
            q.addBindValue(answer);
            q.addBindValue(ref_id);
        } else {
            q.addBindValue(*judged);
            q.addBindValue(ref_id);
            q.addBindValue(answer);
        }
        if (!q.exec()) return fail(q);
        ++(is_book ? report_.book_entries : report_.answers);
    }

    if (resume >= 0) {
        present.addBindValue(resume);
        if (!present.exec() || !present.next()) return fail(present);
        if (present.value(0).toInt() > 0) {
            QSqlQuery q(db_);
            q.prepare(QStringLiteral("UPDATE main.%1 SET position_prev = (ref_id = ?)").arg(table));
            q.addBindValue(resume);
            if (!q.exec()) return fail(q);
        }
    }
    return true;
}

bool Carrier::carry_category() {
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("SELECT car_type FROM old.car WHERE is_selected = 1")))
        return fail(q);
    if (!q.next()) return true;
    const int code = q.value(0).toInt();
    QSqlQuery has(db_);
    has.prepare(QStringLiteral("SELECT count(*) FROM main.car WHERE car_type = ?"));
    has.addBindValue(code);
    if (!has.exec() || !has.next()) return fail(has);
    if (has.value(0).toInt() == 0) return true;
    QSqlQuery select(db_);
    select.prepare(
        QStringLiteral("UPDATE main.car SET is_selected = (id = (SELECT min(id) FROM main.car "
                       "WHERE car_type = ?))"));
    select.addBindValue(code);
    if (!select.exec()) return fail(select);
    report_.summary.append(QStringLiteral("所选车型：%1").arg(car_type_name(CarType(code))));
    return true;
}

bool Carrier::run() {
    if (!load_questions()) return false;
    QStringList books;
    for (CarType code : known_car_types)
        books.append(table_prefix(code) + QStringLiteral("_error"));
    const QStringList in_new = practice_tables(QStringLiteral("main"));
    for (const QString& table : practice_tables(QStringLiteral("old"))) {
        if (!in_new.contains(table, Qt::CaseInsensitive)) {
            QSqlQuery q(db_);
            if (!q.exec(QStringLiteral("SELECT count(*) FROM old.%1 WHERE type_answer <> 0 OR "
                                       "answer <> ''")
                            .arg(table)))
                return fail(q);
            if (q.next() && q.value(0).toInt() > 0) report_.lost_tables.append(table);
            continue;
        }
        if (!carry_table(table, books.contains(table, Qt::CaseInsensitive))) return false;
    }
    return carry_category();
}

// The new bank as the main database, the old one attached as "old" for reading.
bool open_both(QSqlDatabase& db, const QString& old_bank, CarryReport& report) {
    if (!db.open()) {
        report.errors.append(
            QStringLiteral("%1：无法打开（%2）").arg(db.databaseName(), db.lastError().text()));
        return false;
    }
    QSqlQuery attach(db);
    attach.prepare(QStringLiteral("ATTACH DATABASE ? AS old"));
    attach.addBindValue(old_bank);
    if (!attach.exec()) {
        report.errors.append(
            QStringLiteral("%1：无法打开（%2）").arg(old_bank, attach.lastError().text()));
        return false;
    }
    return true;
}

}  // namespace

CarryReport carry_progress(const QString& old_bank, const QString& new_bank) {
    CarryReport report;
    for (const QString& path : {old_bank, new_bank}) {
        if (!QFileInfo(path).isFile()) {
            report.errors.append(QStringLiteral("%1：文件不存在").arg(path));
            return report;
        }
    }
    if (QFileInfo(old_bank).canonicalFilePath() == QFileInfo(new_bank).canonicalFilePath()) {
        report.errors.append(QStringLiteral("旧题库和新题库是同一个文件：%1").arg(new_bank));
        return report;
    }
    const QString connection = QStringLiteral("bankctl_carry");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(new_bank);
        report.ok = open_both(db, old_bank, report);
        if (report.ok && !db.transaction()) {
            report.errors.append(
                QStringLiteral("%1：无法开始事务（%2）").arg(new_bank, db.lastError().text()));
            report.ok = false;
        }
        if (report.ok) {
            Carrier carrier(db, report);
            report.ok = carrier.run() && db.commit();
            if (!report.ok) {
                if (report.errors.isEmpty())
                    report.errors.append(
                        QStringLiteral("%1：无法提交（%2）").arg(new_bank, db.lastError().text()));
                db.rollback();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (report.ok) {
        report.summary.prepend(QStringLiteral("转入答案 %1 个，错题本 %2 题")
                                   .arg(report.answers)
                                   .arg(report.book_entries));
        if (report.dropped > 0)
            report.summary.append(
                QStringLiteral("%1 个答案未转入：题目已删除或题型已改变").arg(report.dropped));
        if (!report.lost_tables.isEmpty())
            report.summary.append(QStringLiteral("新题库中没有这些练习表，其中的进度未转入：%1")
                                      .arg(report.lost_tables.join(QStringLiteral("、"))));
    }
    return report;
}

}  // namespace trelvo::bankkit
