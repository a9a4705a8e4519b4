#include "csv.h"

#include <QFile>

namespace trelvo::bankkit {

bool parse_csv(const QString& input, QList<CsvRecord>& records, QString& error) {
    QString text = input;
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    records.clear();
    CsvRecord record;
    QString field;
    bool quoted = false, field_started = false;
    int line = 1;
    record.line = 1;
    int quote_line = 0;
    auto end_field = [&] {
        record.fields.append(field);
        field.clear();
        field_started = false;
    };
    auto end_record = [&] {
        end_field();
        // A blank line is no record.
        if (!(record.fields.size() == 1 && record.fields[0].isEmpty())) records.append(record);
        record = CsvRecord{};
        record.line = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n')) ++line;
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"') && !field_started) {
            quoted = true;
            field_started = true;
            quote_line = line;
        } else if (c == QLatin1Char(',')) {
            end_field();
        } else if (c == QLatin1Char('\r')) {
            // CR LF line ends: the LF ends the record.
        } else if (c == QLatin1Char('\n')) {
            ++line;
            end_record();
        } else {
            field.append(c);
            field_started = true;
        }
    }
    if (quoted) {
        error = QStringLiteral("第%1行的引号没有结束").arg(quote_line);
        return false;
    }
    if (!field.isEmpty() || !record.fields.isEmpty()) end_record();
    return true;
}

bool CsvTable::load(const QString& path, QString& error) {
    path_ = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1：无法读取（%2）").arg(path, file.errorString());
        return false;
    }
    QList<CsvRecord> records;
    QString parse_error;
    if (!parse_csv(QString::fromUtf8(file.readAll()), records, parse_error)) {
        error = QStringLiteral("%1：%2").arg(path, parse_error);
        return false;
    }
    if (records.isEmpty()) {
        error = QStringLiteral("%1：没有表头行").arg(path);
        return false;
    }
    header_ = records.takeFirst().fields;
    for (QString& h : header_) h = h.trimmed();
    for (const CsvRecord& r : records) {
        if (r.fields.size() != header_.size()) {
            error = QStringLiteral("%1 第%2行：有 %3 个字段，表头有 %4 个")
                        .arg(path)
                        .arg(r.line)
                        .arg(r.fields.size())
                        .arg(header_.size());
            return false;
        }
    }
    rows_ = records;
    return true;
}

QString CsvTable::value(int row, const QString& column) const {
    // Empty fields are empty texts, never nulls: the bank keeps Null for "no value at all".
    const qsizetype c = header_.indexOf(column);
    const QString v = c < 0 ? QString() : rows_[row].fields[c];
    return v.isNull() ? QStringLiteral("") : v;
}

QStringList CsvTable::missing_columns(const QStringList& required) const {
    QStringList missing;
    for (const QString& c : required)
        if (!header_.contains(c)) missing.append(c);
    return missing;
}

}  // namespace trelvo::bankkit
