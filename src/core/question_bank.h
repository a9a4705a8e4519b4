#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <memory>

class QTimer;

namespace trelvo {

// One row cursor over a SELECT. Values are read by 0-based column number with the bank's value
// conventions: numbers are 16-bit, Yes/No columns are Booleans, and a Null is an error except
// where the caller asks for text_or_empty.
class Rows final {
  public:
    explicit Rows(QSqlQuery query, QString sql);

    bool next();
    qint16 int16(int column) const;
    bool yes_no(int column) const;
    QString text(int column) const;
    QString text_or_empty(int column) const;

  private:
    QVariant value(int column) const;

    QSqlQuery query_;
    QString sql_;
};

// The question-bank file and its single connection, opened on first use and kept until the object
// dies (for the program: until it ends). Every statement of the program runs through here with
// bound values; table names that come from outside are checked against the tables that exist.
class QuestionBank final {
  public:
    explicit QuestionBank(QString bank_path);
    ~QuestionBank();
    QuestionBank(const QuestionBank&) = delete;
    QuestionBank& operator=(const QuestionBank&) = delete;

    static QString path_in(const QString& program_folder);

    QSqlDatabase get_connection();
    int times_opened() const { return times_opened_; }
    const QString& path() const { return path_; }
    // Lets the connection go; the next statement opens the file afresh (after a failed write, so
    // that a file made writable again is opened for writing). A writable bank stays in WAL mode,
    // with everything written moved into the file itself.
    void close();

    // Whether the file is in WAL mode now, where other programs' reads never hold up a save.
    bool in_wal_mode() const { return wal_; }
    // How often the switch to WAL mode is tried again while another program blocks it.
    static constexpr int wal_retry_interval_ms = 2000;

    // How long a statement waits for another program's lock before it fails (tests shorten it).
    void set_busy_timeout(int ms);

    // Whether a write would reach the file, tried with a change that is rolled back at once. A
    // bank that another program is writing counts as writable; empty means writable, else the
    // reason in plain words.
    QString write_problem();

    Rows query(const QString& sql, const QVariantList& values = {});
    void exec(const QString& sql, const QVariantList& values = {});
    // The first column of the first row, as a 16-bit number; an empty result is an error.
    qint16 scalar(const QString& sql, const QVariantList& values = {});
    qint16 count_rows(const QString& table);

    // The name itself if such a table exists in the bank; otherwise an error.
    QString table(const QString& name);
    // Whether such a table exists, for lists whose entries may name one that does not.
    bool has_table(const QString& name);

    // Statements that must take effect together. Commit explicitly; a transaction left without
    // commit (an exception passing through) is rolled back. It takes the write lock at its start,
    // so that it waits for other programs there rather than failing half-way.
    class Transaction final {
      public:
        explicit Transaction(QuestionBank& bank);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

      private:
        QuestionBank& bank_;
        bool open_ = true;
    };

  private:
    void enter_wal(QSqlDatabase& db);
    void leave_wal_without_shared_memory(QSqlDatabase& db);
    QSqlQuery run(const QString& sql, const QVariantList& values);
    QSqlQuery run_once(const QString& sql, const QVariantList& values);  // inactive on failure
    QString reason(const QSqlError& error) const;
    [[noreturn]] void fail(const QString& message, const QString& cause,
                           const QString& reason = {}) const;
    [[noreturn]] void fail_opening(QSqlDatabase& db, const QString& message, const QString& cause,
                                   const QString& reason);

    QString path_;
    QString connection_name_;
    int times_opened_ = 0;
    int busy_timeout_ms_ = 5000;
    QHash<QString, QString> tables_;  // lower-case name -> name as stored
    bool wal_ = false;                // the file is in WAL mode
    bool may_use_wal_ = false;        // the file and its folder can be written
    bool no_shared_memory_ = false;   // the file system cannot share the WAL index
    bool frozen_ = false;             // a WAL bank this program may not write, read as it lies
    QString frozen_reason_;           // why it may not, in plain words
    QByteArray frozen_stamp_;         // the file as it was when read as it lies
    std::unique_ptr<QTimer> wal_retry_;
};

}  // namespace trelvo
