#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace trelvo::bankkit {

// One CSV record with the line of the file it starts on, for messages that point at the source.
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// Parses RFC 4180 text (quoted fields may hold commas, quotes and line breaks). A byte-order mark
// is skipped. Returns false with a message on an unterminated quote.
bool parse_csv(const QString& text, QList<CsvRecord>& records, QString& error);

// A CSV file with a header row, read into named columns.
class CsvTable final {
  public:
    bool load(const QString& path, QString& error);
    const QString& path() const { return path_; }
    const QStringList& header() const { return header_; }
    int size() const { return int(rows_.size()); }
    int line(int row) const { return rows_[row].line; }
    QString value(int row, const QString& column) const;
    QStringList missing_columns(const QStringList& required) const;

  private:
    QString path_;
    QStringList header_;
    QList<CsvRecord> rows_;
};

}  // namespace trelvo::bankkit
