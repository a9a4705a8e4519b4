#include "core/question_bank.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <atomic>

#include "core/app_error.h"

namespace trelvo {

namespace {

QString next_connection_name() {
    static std::atomic<int> counter{0};
    return QStringLiteral("trelvo_bank_%1").arg(counter++);
}

// What the file looks like when it is not an SQLite database, for a message that says so.
QString describe_foreign_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("文件无法读取");
    const QByteArray head = file.read(32);
    if (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB") {
        return QStringLiteral(
            "这是 Access 数据库文件，本程序需要 SQLite 格式的题库（可用 bankctl build 生成）");
    }
    if (head.isEmpty()) return QStringLiteral("文件为空");
    return QStringLiteral("文件不是 SQLite 数据库");
}

}  // namespace

Rows::Rows(QSqlQuery query, QString sql) : query_(std::move(query)), sql_(std::move(sql)) {}

bool Rows::next() {
    return query_.next();
}

QVariant Rows::value(int column) const {
    if (!query_.isValid()) {
        throw AppError(QStringLiteral("读取题库数据失败"),
                       QStringLiteral("结果中已没有数据行（%1）").arg(sql_));
    }
    const QVariant v = query_.value(column);
    if (v.isNull()) {
        throw AppError(QStringLiteral("题库数据不完整"),
                       QStringLiteral("第 %1 列为空值（Null）：%2").arg(column).arg(sql_));
    }
    return v;
}

qint16 Rows::int16(int column) const {
    const QVariant v = value(column);
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok) {
        throw AppError(
            QStringLiteral("题库数据格式错误"),
            QStringLiteral("第 %1 列不是数字（%2）：%3").arg(column).arg(v.toString(), sql_));
    }
    return checked_int16(n, QStringLiteral("第 %1 列（%2）").arg(column).arg(sql_));
}

bool Rows::yes_no(int column) const {
    const QVariant v = value(column);
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (ok) return n != 0;
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true")) return true;
    if (s == QLatin1String("false")) return false;
    throw AppError(
        QStringLiteral("题库数据格式错误"),
        QStringLiteral("第 %1 列不是是/否值（%2）：%3").arg(column).arg(v.toString(), sql_));
}

QString Rows::text(int column) const {
    return value(column).toString();
}

QString Rows::text_or_empty(int column) const {
    if (!query_.isValid()) return value(column).toString();  // reports the missing row
    const QVariant v = query_.value(column);
    return v.isNull() ? QString() : v.toString();
}

QuestionBank::QuestionBank(QString bank_path)
    : path_(std::move(bank_path)), connection_name_(next_connection_name()) {}

QuestionBank::~QuestionBank() {
    if (QSqlDatabase::contains(connection_name_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection_name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection_name_);
    }
}

QString QuestionBank::path_in(const QString& program_folder) {
    return program_folder + QStringLiteral("/aces/btn_init.rar");
}

void QuestionBank::fail(const QString& message, const QString& cause) const {
    throw AppError(message, cause);
}

QSqlDatabase QuestionBank::get_connection() {
    if (QSqlDatabase::contains(connection_name_)) return QSqlDatabase::database(connection_name_);

    const QFileInfo info(path_);
    if (!info.exists()) {
        fail(QStringLiteral("找不到题库文件"), QStringLiteral("文件不存在：%1").arg(path_));
    }
    if (!info.isFile() || !info.isReadable()) {
        fail(QStringLiteral("题库文件无法读取"), QStringLiteral("不是可读的文件：%1").arg(path_));
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_name_);
    // mode=rw: open the existing file for reading and writing, never create an empty one.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    ++times_opened_;
    if (!db.open()) {
        const QString cause = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_name_);
        fail(QStringLiteral("题库文件无法打开"), QStringLiteral("%1：%2").arg(path_, cause));
    }

    // The driver opens any file; the first read tells whether it is really an SQLite database.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        const QString cause = describe_foreign_file(path_) + QStringLiteral("（%1）").arg(path_);
        probe = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_name_);
        fail(QStringLiteral("题库文件格式不对"), cause);
    }
    // Table names are case-insensitive in SQL; keep each under its lower-case form.
    while (probe.next()) {
        const QString name = probe.value(0).toString();
        tables_.insert(name.toLower(), name);
    }
    return db;
}

QSqlQuery QuestionBank::run(const QString& sql, const QVariantList& values) {
    QSqlQuery q(get_connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        fail(QStringLiteral("题库读写失败"),
             QStringLiteral("%1（语句：%2）").arg(q.lastError().text(), sql));
    }
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) {
        fail(QStringLiteral("题库读写失败"),
             QStringLiteral("%1（语句：%2）").arg(q.lastError().text(), sql));
    }
    return q;
}

Rows QuestionBank::query(const QString& sql, const QVariantList& values) {
    return Rows(run(sql, values), sql);
}

void QuestionBank::exec(const QString& sql, const QVariantList& values) {
    run(sql, values);
}

qint16 QuestionBank::scalar(const QString& sql, const QVariantList& values) {
    Rows rows = query(sql, values);
    rows.next();
    return rows.int16(0);
}

qint16 QuestionBank::count_rows(const QString& name) {
    return scalar(QStringLiteral("SELECT count(*) FROM ") + table(name));
}

QString QuestionBank::table(const QString& name) {
    get_connection();
    if (name.isEmpty()) {
        fail(QStringLiteral("题库中缺少数据表"), QStringLiteral("表名为空"));
    }
    const auto found = tables_.constFind(name.toLower());
    if (found == tables_.constEnd()) {
        fail(QStringLiteral("题库中缺少数据表"), QStringLiteral("没有名为 %1 的表").arg(name));
    }
    return *found;
}

bool QuestionBank::has_table(const QString& name) {
    get_connection();
    return !name.isEmpty() && tables_.contains(name.toLower());
}

QuestionBank::Transaction::Transaction(QuestionBank& bank) : bank_(bank) {
    QSqlDatabase db = bank_.get_connection();
    if (!db.transaction()) {
        bank_.fail(QStringLiteral("题库读写失败"),
                   QStringLiteral("无法开始事务：%1").arg(db.lastError().text()));
    }
}

QuestionBank::Transaction::~Transaction() {
    if (open_) bank_.get_connection().rollback();
}

void QuestionBank::Transaction::commit() {
    QSqlDatabase db = bank_.get_connection();
    open_ = false;
    if (!db.commit()) {
        const QString cause = db.lastError().text();
        db.rollback();
        bank_.fail(QStringLiteral("题库写入失败"), QStringLiteral("提交事务失败：%1").arg(cause));
    }
}

}  // namespace trelvo
