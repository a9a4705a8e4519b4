#include "fixture.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <atomic>

#include "core/bank_file.h"
#include "core/bank_schema.h"

namespace trelvo::test {

namespace {

QString connection_for(const QString& path) {
    static std::atomic<int> n{0};
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture_%1").arg(n++));
    db.setDatabaseName(path);
    // A WAL bank in a folder that cannot be written has no room for its -shm file: read as it lies.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK, AT_EACCESS) != 0 &&
        wal_file_at_rest(path)) {
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        db.setDatabaseName(sqlite_uri(path, QStringLiteral("mode=ro&immutable=1")));
    }
    if (!db.open()) qFatal("fixture: cannot open %s", qPrintable(path));
    return db.connectionName();
}

template <typename F>
void with_db(const QString& path, F&& f) {
    const QString name = connection_for(path);
    {
        QSqlDatabase db = QSqlDatabase::database(name);
        f(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QSqlQuery run(QSqlDatabase& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q(db);
    if (!q.prepare(sql))
        qFatal("fixture: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) qFatal("fixture: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q;
}

QSize size_of(const QString& name) {
    if (name.startsWith(QLatin1String("select_car_"))) return {447, 84};
    if (name.startsWith(QLatin1String("unit_chapter"))) return {225, 57};
    if (name.startsWith(QLatin1String("select_chapter"))) return {394, 71};
    if (name.startsWith(QLatin1String("select_special"))) return {240, 93};
    if (name.startsWith(QLatin1String("btn_single_"))) return {73, 73};
    return {60, 24};
}

QStringList skin_files() {
    QStringList files = {"title.jpg",
                         "qq.jpg",
                         "qq_move.jpg",
                         "exam_init.jpg",
                         "exam_pass.jpg",
                         "exam_pass_not.jpg",
                         "answer_exam_right.jpg",
                         "answer_exam_error.jpg",
                         "about.jpg",
                         "about_move.jpg"};
    for (const char* b :
         {"about",      "exit",          "sequence",  "chapter",      "strong",       "error",
          "special",    "exam",          "return",    "clean_record", "delete_error", "start_exam",
          "prev",       "next",          "set_error", "end",          "type_xiaoche", "type_huoche",
          "type_keche", "type_motuoche", "type_safe"}) {
        files << QStringLiteral("btn_%1.jpg").arg(b) << QStringLiteral("btn_%1_move.jpg").arg(b);
    }
    for (const char* letter : {"a", "b", "c", "d", "y", "n"})
        for (const char* suffix : {"", "_select", "_move", "_select_move"})
            files << QStringLiteral("btn_single_%1%2.jpg").arg(letter, suffix);
    for (const char* tile : {"unit_chapter", "select_chapter", "select_special"})
        files << QStringLiteral("%1.jpg").arg(tile) << QStringLiteral("%1_move.jpg").arg(tile);
    for (CarType code : known_car_types)
        for (const char* stem : {"select_car_not_selected_", "select_car_not_selected_move_",
                                 "select_car_selected_", "select_car_selected_move_"})
            files << QLatin1String(stem) + table_prefix(code) + QStringLiteral(".jpg");
    return files;
}

}  // namespace

ProgramFolder::ProgramFolder() : path_(dir_.path()) {
    for (const char* sub : {"imgs", "aces", "tr", "rs"}) QDir(path_).mkpath(QLatin1String(sub));
}

QString ProgramFolder::bank_path() const {
    return path_ + QStringLiteral("/aces/btn_init.rar");
}

void ProgramFolder::paint_skins() {
    for (const QString& name : skin_files()) {
        QImage image(size_of(name), QImage::Format_RGB32);
        image.fill(QColor::fromHsv(int(qHash(name) % 360), 120, 230));
        image.save(path_ + QStringLiteral("/imgs/") + name, "JPG");
    }
    QImage cursor(32, 32, QImage::Format_ARGB32);
    cursor.fill(Qt::transparent);
    QPainter(&cursor).fillRect(8, 0, 8, 24, Qt::black);
    cursor.save(path_ + QStringLiteral("/imgs/harrow.cur"), "ICO");
}

void ProgramFolder::remove(const QString& relative) {
    QFile::remove(path_ + QLatin1Char('/') + relative);
}

void ProgramFolder::create_bank(const QList<CarRow>& cars, int questions) {
    namespace schema = trelvo::bank_schema;
    with_db(bank_path(), [&](QSqlDatabase& db) {
        db.transaction();
        run(db, schema::questions_table());
        run(db, schema::car_table());
        for (int row = 0; row < cars.size(); ++row) {
            const CarType code = cars[row].code;
            const QString prefix = table_prefix(code);
            run(db, QStringLiteral("INSERT INTO car VALUES (?, ?, ?, ?, ?, ?)"),
                {row, prefix + QStringLiteral("_sequence"), car_type_name(code),
                 QStringLiteral("%1的说明").arg(car_type_name(code)), cars[row].selected, code});
            for (const char* suffix : {"_sequence", "_error", "_chapter_1", "_special_1"})
                run(db, schema::practice_table(prefix + QLatin1String(suffix)));
            run(db, schema::chapter_list_table(prefix + QStringLiteral("_chapter")));
            run(db, QStringLiteral("INSERT INTO %1_chapter VALUES (1, '第一章', '%1_chapter_1')")
                        .arg(prefix));
            run(db, schema::special_list_table(prefix + QStringLiteral("_special")));
            run(db, QStringLiteral("INSERT INTO %1_special VALUES ('判断题', '%1_special_1')")
                        .arg(prefix));
            const int base = 1000 * (code + 1);
            for (int i = 0; i < questions; ++i) {
                const int kind = i % 3;  // single, multiple, true/false in turn
                const QString answer = kind == 0   ? QStringLiteral("C")
                                       : kind == 1 ? QStringLiteral("ABD")
                                                   : QStringLiteral("N");
                const bool choice = kind != 2;
                run(db,
                    QStringLiteral("INSERT INTO questions VALUES (?,?,?,?,?,?,?,?,3,?,'',?,?,?,?)"),
                    {base + i, QStringLiteral("第%1题的题干").arg(i + 1),
                     choice ? QStringLiteral("选项甲") : QString(),
                     choice ? QStringLiteral("选项乙") : QString(),
                     choice ? QStringLiteral("选项丙") : QString(),
                     choice ? QStringLiteral("选项丁") : QString(), answer, kind,
                     QStringLiteral("第%1题的解析").arg(i + 1), code == 0, code == 1, code == 2,
                     code == 5});
                run(db,
                    QStringLiteral("INSERT INTO %1_sequence (id, ref_id) VALUES (?, ?)")
                        .arg(prefix),
                    {i, base + i});
                if (i % 2 == 0)
                    run(db,
                        QStringLiteral("INSERT INTO %1_chapter_1 (id, ref_id) VALUES (?, ?)")
                            .arg(prefix),
                        {i / 2, base + i});
                if (kind == 2)
                    run(db,
                        QStringLiteral("INSERT INTO %1_special_1 (id, ref_id) VALUES (?, ?)")
                            .arg(prefix),
                        {i / 3, base + i});
            }
        }
        db.commit();
    });
}

void ProgramFolder::set_practice_rows(const QString& table, int rows) const {
    constexpr int first_question = 20000;
    with_db(bank_path(), [&](QSqlDatabase& db) {
        db.transaction();
        run(db, QStringLiteral("DELETE FROM %1").arg(table));
        for (int i = 0; i < rows; ++i) {
            const int ref = first_question + i;
            run(db,
                QStringLiteral("INSERT OR IGNORE INTO questions VALUES "
                               "(?, ?, '甲', '乙', '丙', '丁', 'B', 0, 3, ?, '', 0, 0, 0, 0)"),
                {ref, QStringLiteral("第%1道练习题").arg(i + 1),
                 QStringLiteral("第%1道练习题的解析").arg(i + 1)});
            run(db, QStringLiteral("INSERT INTO %1 (id, ref_id) VALUES (?, ?)").arg(table),
                {i, ref});
        }
        db.commit();
    });
}

void ProgramFolder::exec(const QString& sql, const QVariantList& values) const {
    with_db(bank_path(), [&](QSqlDatabase& db) { run(db, sql, values); });
}

QVariantList ProgramFolder::column(const QString& sql) const {
    QVariantList out;
    with_db(bank_path(), [&](QSqlDatabase& db) {
        QSqlQuery q = run(db, sql);
        while (q.next()) out.append(q.value(0));
    });
    return out;
}

QVariant ProgramFolder::scalar(const QString& sql) const {
    const QVariantList values = column(sql);
    return values.isEmpty() ? QVariant() : values.first();
}

QList<CarRow> four_categories(int selected_row) {
    QList<CarRow> rows = {{0}, {1}, {2}, {5}};
    if (selected_row >= 0) rows[selected_row].selected = true;
    return rows;
}

BankLock::BankLock(const QString& bank_path, const QString& begin)
    : connection_(connection_for(bank_path)) {
    QSqlDatabase db = QSqlDatabase::database(connection_);
    run(db, begin);
    // A reader's lock is taken by its first read, not by BEGIN.
    run(db, QStringLiteral("SELECT count(*) FROM car")).next();
}

BankLock::~BankLock() {
    release();
}

void BankLock::release() {
    if (connection_.isEmpty()) return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    connection_.clear();
}

AsOrdinaryUser::AsOrdinaryUser(const ProgramFolder& folder) {
    if (geteuid() != 0) return;
    constexpr uid_t nobody = 65534;
    auto own = [](const QString& path) {
        if (::chown(QFile::encodeName(path).constData(), nobody, nobody) != 0)
            qFatal("fixture: cannot hand %s over", qPrintable(path));
    };
    own(folder.path());
    QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) own(it.next());
    if (seteuid(nobody) != 0) qFatal("fixture: cannot act as an ordinary user");
    switched_ = true;
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (switched_ && seteuid(0) != 0) qFatal("fixture: cannot return to root");
}

namespace {

// The default VFS with one change: the shared-memory map of the main file fails as it does where
// the file system cannot mmap the -shm file. The real open fills the file object; only its
// method table is swapped for a copy.
sqlite3_vfs* real_vfs = nullptr;
sqlite3_vfs no_shm_vfs;
struct SwappedMethods {
    const sqlite3_io_methods* from = nullptr;
    sqlite3_io_methods to{};
};
SwappedMethods swapped[4];

int failing_shm_map(sqlite3_file*, int, int, int, void volatile**) {
    return SQLITE_IOERR_SHMMAP;
}

int open_without_shm(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* out) {
    const int rc = real_vfs->xOpen(real_vfs, name, file, flags, out);
    if (rc != SQLITE_OK || (flags & SQLITE_OPEN_MAIN_DB) == 0 || file->pMethods == nullptr ||
        file->pMethods->iVersion < 2)
        return rc;
    for (SwappedMethods& s : swapped) {
        if (s.from == nullptr) {
            s.from = file->pMethods;
            s.to = *file->pMethods;
            s.to.xShmMap = failing_shm_map;
        }
        if (s.from == file->pMethods) {
            file->pMethods = &s.to;
            break;
        }
    }
    return rc;
}

}  // namespace

NoSharedMemory::NoSharedMemory() {
    real_vfs = sqlite3_vfs_find(nullptr);
    no_shm_vfs = *real_vfs;
    no_shm_vfs.zName = "trelvo-test-no-shm";
    no_shm_vfs.xOpen = open_without_shm;
    sqlite3_vfs_register(&no_shm_vfs, 1);
}

NoSharedMemory::~NoSharedMemory() {
    sqlite3_vfs_unregister(&no_shm_vfs);
    sqlite3_vfs_register(real_vfs, 1);
}

void set_writable(const QString& path, bool writable) {
    const bool folder = QFileInfo(path).isDir();
    const mode_t mode = folder ? (writable ? 0755 : 0555) : (writable ? 0644 : 0444);
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0)
        qFatal("fixture: cannot change %s", qPrintable(path));
}

}  // namespace trelvo::test
