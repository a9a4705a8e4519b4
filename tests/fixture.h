#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

#include "core/car_type.h"

namespace trelvo::test {

// One row of table car in a fixture.
struct CarRow {
    CarType code;
    bool selected = false;
};

// A tiny program folder in a temporary directory: skin pictures painted on the fly, and a question
// bank with a few questions and every table the screens read.
class ProgramFolder final {
  public:
    ProgramFolder();

    const QString& path() const { return path_; }
    QString bank_path() const;

    // Paints every skin picture the screens load, each a distinct flat colour at its screen size.
    void paint_skins();
    void remove(const QString& relative);

    // The bank: `questions` rows per category (ids from 1000 × (code + 1)), the categories of car,
    // and for each category its sequence, wrong-answer, chapter and special-topic tables.
    void create_bank(const QList<CarRow>& cars, int questions = 12);

    // Refills a practice table with `rows` unanswered rows, ids 0 … rows − 1, each referring to a
    // question of its own (ids from 20000, in no category) so that any unit can be practised.
    void set_practice_rows(const QString& table, int rows) const;

    // Runs statements on the bank through a connection of its own (for arranging and inspecting).
    void exec(const QString& sql, const QVariantList& values = {}) const;
    QVariantList column(const QString& sql) const;
    QVariant scalar(const QString& sql) const;

  private:
    QTemporaryDir dir_;
    QString path_;
};

// Another program using the bank: a connection of its own that holds a transaction open, begun
// with `begin` ("BEGIN IMMEDIATE" holds the write lock, "BEGIN EXCLUSIVE" keeps readers out as
// well, "BEGIN" followed by a read holds a reader's lock), until release().
class BankLock final {
  public:
    BankLock(const QString& bank_path, const QString& begin);
    ~BankLock();
    BankLock(const BankLock&) = delete;
    BankLock& operator=(const BankLock&) = delete;
    void release();

  private:
    QString connection_;
};

// File permissions do not bind root. While this lives, the process acts as an ordinary user that
// owns the program folder, so a file or folder made read-only really is read-only. Without root
// it does nothing.
class AsOrdinaryUser final {
  public:
    explicit AsOrdinaryUser(const ProgramFolder& folder);
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

  private:
    bool switched_ = false;
};

// While this lives, every SQLite connection opened in the process behaves as on a file system
// that cannot map SQLite's shared WAL index (some network and shared folders): a read in WAL
// mode fails unless the connection keeps the index to itself (exclusive locking mode).
class NoSharedMemory final {
  public:
    NoSharedMemory();
    ~NoSharedMemory();
    NoSharedMemory(const NoSharedMemory&) = delete;
    NoSharedMemory& operator=(const NoSharedMemory&) = delete;
};

// Makes a file or folder under the program folder read-only, or writable again.
void set_writable(const QString& path, bool writable);

// The four categories of a standard fixture with one of them selected.
QList<CarRow> four_categories(int selected_row);

}  // namespace trelvo::test
