#include "core/question_bank.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "core/app_error.h"
#include "core/bank_file.h"

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

int primary_code(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

QString read_only_folder_reason() {
    return QStringLiteral("题库所在的文件夹不能写入（只读或属于其他用户）");
}

QString read_only_file_reason() {
    return QStringLiteral("题库文件是只读的，或不属于当前用户");
}

QString side_file_reason(const QString& name) {
    return QStringLiteral("题库旁边的文件 %1 不能写入（只读或属于其他用户）").arg(name);
}

// The driver's result codes in the words a learner can act on.
QString plain_reason(const QSqlError& error) {
    if (error.nativeErrorCode() == QString::number(SQLITE_READONLY_DIRECTORY) ||
        error.nativeErrorCode() == QString::number(SQLITE_IOERR_ACCESS))
        return read_only_folder_reason();
    switch (primary_code(error)) {
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return QStringLiteral("没有访问题库文件的权限");
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral("题库文件正被其他程序占用");
        case SQLITE_READONLY:
            return read_only_file_reason();
        case SQLITE_CANTOPEN:
            return read_only_folder_reason();
        case SQLITE_FULL:
            return QStringLiteral("磁盘已满");
        case SQLITE_IOERR:
            return QStringLiteral("读写磁盘时出错");
        case SQLITE_CORRUPT:
            return QStringLiteral("题库文件已损坏");
        case SQLITE_NOTADB:
            return QStringLiteral("文件不是 SQLite 数据库");
        default:
            break;
    }
    if (error.databaseText().contains(QLatin1String("no such table")))
        return QStringLiteral("题库中缺少数据表（表缺失）");
    return {};
}

// The WAL index that SQLite shares between programs cannot be mapped on this file system.
bool shared_memory_failed(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok && (code == SQLITE_IOERR_SHMOPEN || code == SQLITE_IOERR_SHMSIZE ||
                  code == SQLITE_IOERR_SHMLOCK || code == SQLITE_IOERR_SHMMAP);
}

sqlite3* native_handle(const QSqlDatabase& db) {
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

// A bank is passed around between learners, so it is untrusted input: triggers and views in it
// may not call functions with side effects, nor load extensions, nor rewrite the schema.
void harden(sqlite3* handle) {
    sqlite3_extended_result_codes(handle, 1);  // tells a read-only folder from a read-only file
    sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
}

// Asked for the effective user, the one whose rights SQLite's own file access has.
bool writable(const QString& path) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

QStringList side_files(const QString& path) {
    return {path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

// A program that read the WAL bank while the bank was read-only leaves its side files read-only
// too (SQLite gives them the bank's permissions), and every later write fails although the bank
// itself can be written. The learner's own side files get their write permission back; the rest
// is named by unwritable_side_file.
void mend_side_files(const QString& path) {
    for (const QString& side : side_files(path)) {
        const QByteArray name = QFile::encodeName(side);
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode) || writable(side)) continue;
        if (st.st_uid == ::geteuid()) ::chmod(name.constData(), (st.st_mode & 07777) | S_IWUSR);
    }
}

QString unwritable_side_file(const QString& path) {
    for (const QString& side : side_files(path)) {
        if (QFileInfo::exists(side) && !writable(side)) return QFileInfo(side).fileName();
    }
    return {};
}

// Size and modification time to the nanosecond: whether the file changed since it was read.
QByteArray file_stamp(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return QByteArray::number(qint64(st.st_size)) + ':' +
           QByteArray::number(qint64(st.st_mtim.tv_sec)) + ':' +
           QByteArray::number(qint64(st.st_mtim.tv_nsec));
}

// Whether files in the folder can be mapped shared, as SQLite maps the WAL index it shares
// between programs (the -shm file). Where it cannot, the bank stays in the rollback journal.
bool shared_memory_works(const QString& folder) {
    constexpr off_t size = 32768;
    QByteArray name = QFile::encodeName(folder + QStringLiteral("/.trelvo-probe-XXXXXX-shm"));
    const int fd = ::mkstemps(name.data(), 4);
    // Where it cannot be tried, the first read in WAL mode still finds out.
    if (fd < 0) return true;
    bool works = true;
    if (::ftruncate(fd, size) == 0) {
        void* map = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        works = map != MAP_FAILED;
        if (works) ::munmap(map, size);
    }
    ::close(fd);
    ::unlink(name.constData());
    return works;
}

// The journal mode the connection runs in, in lower case ("wal", "delete", ...); empty if unknown.
QString journal_mode(QSqlDatabase& db,
                     const QString& pragma = QStringLiteral("PRAGMA journal_mode")) {
    QSqlQuery q(db);
    return q.exec(pragma) && q.next() ? q.value(0).toString().toLower() : QString();
}

// Runs one pragma without waiting for other programs' locks, ignoring failure: journal mode
// changes need the file to themselves, and a busy file simply keeps the mode it has.
void try_pragma(QSqlDatabase& db, sqlite3* handle, int busy_timeout_ms, const QString& pragma) {
    if (handle != nullptr) sqlite3_busy_timeout(handle, 0);
    QSqlQuery(db).exec(pragma);
    if (handle != nullptr) sqlite3_busy_timeout(handle, busy_timeout_ms);
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
    close();
}

void QuestionBank::close() {
    if (!QSqlDatabase::contains(connection_name_)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_name_, false);
        // The file stays in WAL mode, so that a program that opens it before the next start reads
        // without ever holding up a save. Everything written is moved into the file itself first,
        // so that the file alone is the whole bank even while another program keeps the WAL.
        if (wal_ && db.isOpen())
            try_pragma(db, native_handle(db), busy_timeout_ms_,
                       QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_name_);
    tables_.clear();
    wal_ = false;
    may_use_wal_ = false;
    frozen_ = false;
    wal_retry_.reset();
}

void QuestionBank::set_busy_timeout(int ms) {
    busy_timeout_ms_ = ms;
    if (!QSqlDatabase::contains(connection_name_)) return;
    if (sqlite3* handle = native_handle(QSqlDatabase::database(connection_name_, false)))
        sqlite3_busy_timeout(handle, ms);
}

QString QuestionBank::path_in(const QString& program_folder) {
    return program_folder + QStringLiteral("/aces/btn_init.rar");
}

void QuestionBank::fail(const QString& message, const QString& cause, const QString& reason) const {
    throw AppError(message, cause, reason);
}

void QuestionBank::fail_opening(QSqlDatabase& db, const QString& message, const QString& cause,
                                const QString& reason) {
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_name_);
    tables_.clear();
    wal_ = false;
    may_use_wal_ = false;
    frozen_ = false;
    wal_retry_.reset();
    fail(message, cause, reason);
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
    // SQLite would take an empty file for an empty database and only fail at the first table.
    if (info.size() == 0) {
        fail(QStringLiteral("题库文件是空的"),
             QStringLiteral("文件长度为 0 字节：%1。题库可能在复制时中断，请从备份或安装包中"
                            "恢复这个文件。")
                 .arg(path_),
             QStringLiteral("文件为空"));
    }

    // A WAL bank read by a program that may not write it needs its -shm file beside it: a folder
    // nobody may write cannot hold one, and a writable folder would be left with side files this
    // program cannot remove. Nobody else has such a file open, so it is read as it lies on disk --
    // unless a WAL file left by a program that ended early holds part of it, which SQLite's own
    // read-only WAL support then reads.
    const bool folder_writable = writable(info.absolutePath());
    const bool file_writable = writable(path_);
    frozen_ = !(folder_writable && file_writable) && wal_file_at_rest(path_);
    frozen_reason_ = !folder_writable ? read_only_folder_reason() : read_only_file_reason();
    frozen_stamp_ = frozen_ ? file_stamp(path_) : QByteArray();
    if (!frozen_ && folder_writable && file_writable) mend_side_files(path_);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_name_);
    // mode=rw: open the existing file for reading and writing, never create an empty one.
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busy_timeout_ms_));
    db.setDatabaseName(sqlite_uri(
        path_, frozen_ ? QStringLiteral("mode=ro&immutable=1") : QStringLiteral("mode=rw")));
    ++times_opened_;
    if (!db.open()) {
        const QSqlError error = db.lastError();
        fail_opening(db, QStringLiteral("题库文件无法打开"),
                     QStringLiteral("%1：%2").arg(path_, error.text()), plain_reason(error));
    }
    if (sqlite3* handle = native_handle(db)) {
        harden(handle);
        sqlite3_busy_timeout(handle, busy_timeout_ms_);
    }

    // The driver opens any file; the first read tells whether it is really an SQLite database.
    QSqlQuery probe(db);
    const QString tables_sql =
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'");
    bool read = probe.exec(tables_sql);
    if (!read && shared_memory_failed(probe.lastError())) {
        probe = QSqlQuery();
        leave_wal_without_shared_memory(db);
        probe = QSqlQuery(db);
        read = probe.exec(tables_sql);
    }
    if (!read) {
        const QSqlError error = probe.lastError();
        probe = QSqlQuery();
        const QString driver = QStringLiteral("（%1：%2）").arg(path_, error.text());
        switch (primary_code(error)) {
            case SQLITE_BUSY:
            case SQLITE_LOCKED:
                fail_opening(
                    db, QStringLiteral("题库文件正被其他程序占用"),
                    QStringLiteral("另一个程序正在写入题库，请关闭它后重新启动本程序。") + driver,
                    plain_reason(error));
            case SQLITE_CORRUPT:
                fail_opening(
                    db, QStringLiteral("题库文件已损坏"),
                    QStringLiteral("请从备份中恢复题库文件，或用 bankctl check 检查它。") + driver,
                    plain_reason(error));
            case SQLITE_NOTADB:
                fail_opening(db, QStringLiteral("题库文件格式不对"),
                             describe_foreign_file(path_) + driver, plain_reason(error));
            default:
                fail_opening(db, QStringLiteral("题库文件无法读取"), error.text() + driver,
                             plain_reason(error));
        }
    }
    // Table names are case-insensitive in SQL; keep each under its lower-case form.
    while (probe.next()) {
        const QString name = probe.value(0).toString();
        tables_.insert(name.toLower(), name);
    }
    probe = QSqlQuery();
    if (!tables_.contains(QStringLiteral("questions")) ||
        !tables_.contains(QStringLiteral("car"))) {
        fail_opening(db, QStringLiteral("题库文件不是本程序的题库"),
                     QStringLiteral("这是一个 SQLite 数据库，但其中没有 questions 和 car 表（%1）")
                         .arg(path_),
                     QStringLiteral("不是本程序的题库"));
    }
    // Checked first, so that a foreign database is never changed. WAL lets other programs read
    // the bank while a save is written, without either waiting for the other; only where the
    // file and its folder can be written, since elsewhere the bank is only read. FULL makes each
    // committed save survive a power cut, not only a crash of the program.
    sqlite3* handle = native_handle(db);
    may_use_wal_ = !frozen_ && !no_shared_memory_ && folder_writable && file_writable &&
                   handle != nullptr && sqlite3_db_readonly(handle, "main") == 0;
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = FULL"));
    if (!frozen_) wal_ = journal_mode(db) == QLatin1String("wal");
    if (may_use_wal_ && !wal_ && !shared_memory_works(info.absolutePath())) {
        no_shared_memory_ = true;
        may_use_wal_ = false;
    }
    enter_wal(db);
    // The switch needs the file to itself. A program that was already reading the bank when this
    // one opened it blocks it; it is tried again until that program lets go, so that a save does
    // not wait for its next read to end.
    if (may_use_wal_ && !wal_ && QCoreApplication::instance() != nullptr &&
        QThread::currentThread() == QCoreApplication::instance()->thread()) {
        wal_retry_ = std::make_unique<QTimer>();
        wal_retry_->setInterval(wal_retry_interval_ms);
        QObject::connect(wal_retry_.get(), &QTimer::timeout, [this] {
            if (QSqlDatabase::contains(connection_name_)) {
                QSqlDatabase current = QSqlDatabase::database(connection_name_, false);
                enter_wal(current);
            }
            if (wal_ || !may_use_wal_) wal_retry_->stop();
        });
        wal_retry_->start();
    }
    return db;
}

void QuestionBank::enter_wal(QSqlDatabase& db) {
    if (wal_ || !may_use_wal_ || !db.isOpen()) return;
    sqlite3* handle = native_handle(db);
    // Not in the middle of the program's own transaction: the mode cannot change there.
    if (handle == nullptr || sqlite3_get_autocommit(handle) == 0) return;
    try_pragma(db, handle, busy_timeout_ms_, QStringLiteral("PRAGMA journal_mode = WAL"));
    wal_ = journal_mode(db) == QLatin1String("wal");
    if (!wal_) return;
    // The switch itself succeeds everywhere; only the first read in WAL mode finds out whether
    // the file system can share the WAL index.
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) &&
        shared_memory_failed(check.lastError())) {
        check = QSqlQuery();
        leave_wal_without_shared_memory(db);
    }
}

void QuestionBank::leave_wal_without_shared_memory(QSqlDatabase& db) {
    // Some file systems (certain network and shared folders) cannot map the WAL index. There the
    // bank is opened in exclusive locking mode, which keeps the index in the program's own memory,
    // and returned to the rollback journal for good, so that every program can read it again.
    no_shared_memory_ = true;
    may_use_wal_ = false;
    wal_ = false;
    if (wal_retry_) wal_retry_->stop();
    db.close();
    if (!db.open()) return;  // the next statement reports why
    sqlite3* handle = native_handle(db);
    if (handle != nullptr) {
        harden(handle);
        sqlite3_busy_timeout(handle, busy_timeout_ms_);
    }
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    if (frozen_) return;
    // Still in WAL mode (a bank that cannot be written), the exclusive lock has to stay.
    if (journal_mode(db, QStringLiteral("PRAGMA journal_mode = DELETE")) ==
        QLatin1String("delete")) {
        q.exec(QStringLiteral("PRAGMA locking_mode = NORMAL"));
        q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));  // lets the lock go
    }
}

QString QuestionBank::write_problem() {
    QSqlDatabase db = get_connection();
    sqlite3* handle = native_handle(db);
    if (frozen_) return frozen_reason_;
    if (handle != nullptr && sqlite3_db_readonly(handle, "main") == 1)
        return read_only_file_reason();
    // A change to the header page makes SQLite create its journal beside the file; rolled back, it
    // leaves the file as it was. Another program's lock is not waited for: that is no lasting
    // problem.
    if (handle != nullptr) sqlite3_busy_timeout(handle, 0);
    QString problem;
    {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            const bool read = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
            const QVariant version = read ? q.value(0) : QVariant();
            if (read && !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version.toInt()))) {
                const QSqlError error = q.lastError();
                if (primary_code(error) != SQLITE_BUSY) {
                    problem = reason(error);
                    if (problem.isEmpty()) problem = error.text();
                }
            }
            q.exec(QStringLiteral("ROLLBACK"));
        } else if (primary_code(q.lastError()) != SQLITE_BUSY &&
                   primary_code(q.lastError()) != SQLITE_LOCKED) {
            problem = reason(q.lastError());
            if (problem.isEmpty()) problem = q.lastError().text();
        }
    }
    if (handle != nullptr) sqlite3_busy_timeout(handle, busy_timeout_ms_);
    return problem;
}

QString QuestionBank::reason(const QSqlError& error) const {
    // A bank read as it lies refuses writes as a read-only file would; where the folder is at
    // fault, the folder is what the learner has to change.
    if (frozen_ && primary_code(error) == SQLITE_READONLY) return frozen_reason_;
    if (primary_code(error) == SQLITE_READONLY) {
        const QString side = unwritable_side_file(path_);
        if (!side.isEmpty()) return side_file_reason(side);
    }
    return plain_reason(error);
}

QSqlQuery QuestionBank::run(const QString& sql, const QVariantList& values) {
    // A bank read as it lies is opened afresh once another program has it open (its owner
    // started: then it is read through the WAL) or has changed it since: pages kept from before
    // would no longer fit the file.
    if (frozen_ && (!wal_file_at_rest(path_) || file_stamp(path_) != frozen_stamp_)) close();
    QSqlQuery q = run_once(sql, values);
    // A bank read as it lies that another program has since begun to write looks damaged; read
    // the usual way, through that program's WAL, it is not.
    if (frozen_ && !q.isActive() && primary_code(q.lastError()) == SQLITE_CORRUPT) {
        q = QSqlQuery();
        close();
        q = run_once(sql, values);
    }
    if (!q.isActive()) {
        fail(QStringLiteral("题库读写失败"),
             QStringLiteral("%1（语句：%2）").arg(q.lastError().text(), sql),
             reason(q.lastError()));
    }
    return q;
}

QSqlQuery QuestionBank::run_once(const QString& sql, const QVariantList& values) {
    QSqlQuery q(get_connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        fail(QStringLiteral("题库读写失败"),
             QStringLiteral("%1（语句：%2）").arg(q.lastError().text(), sql),
             reason(q.lastError()));
    }
    for (const QVariant& v : values) q.addBindValue(v);
    q.exec();
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
        fail(QStringLiteral("题库中缺少数据表"), QStringLiteral("没有名为 %1 的表").arg(name),
             QStringLiteral("题库中缺少数据表 %1（表缺失）").arg(name));
    }
    return *found;
}

bool QuestionBank::has_table(const QString& name) {
    get_connection();
    return !name.isEmpty() && tables_.contains(name.toLower());
}

QuestionBank::Transaction::Transaction(QuestionBank& bank) : bank_(bank) {
    QSqlDatabase db = bank_.get_connection();
    bank_.enter_wal(db);  // a reader that blocked the switch so far may have let go
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        bank_.fail(QStringLiteral("题库读写失败"),
                   QStringLiteral("无法开始事务：%1").arg(q.lastError().text()),
                   bank_.reason(q.lastError()));
    }
}

QuestionBank::Transaction::~Transaction() {
    if (!open_ || !QSqlDatabase::contains(bank_.connection_name_)) return;
    QSqlQuery q(QSqlDatabase::database(bank_.connection_name_, false));
    q.exec(QStringLiteral("ROLLBACK"));
}

void QuestionBank::Transaction::commit() {
    QSqlDatabase db = bank_.get_connection();
    QSqlQuery q(db);
    open_ = false;
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        bank_.fail(QStringLiteral("题库写入失败"),
                   QStringLiteral("提交事务失败：%1").arg(error.text()), bank_.reason(error));
    }
    // Moved into the file itself at once and the WAL emptied (unless another program is in the
    // middle of a read), so that the file alone holds every save and a WAL left by a crash holds
    // nothing that could be replayed into a copy restored over the file.
    if (bank_.wal_)
        try_pragma(db, native_handle(db), bank_.busy_timeout_ms_,
                   QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

}  // namespace trelvo
