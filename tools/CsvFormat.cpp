#include "CsvFormat.h"

#include "Conversions.h"

#include <QStringDecoder>

namespace {

const QByteArray ByteOrderMark = "\xEF\xBB\xBF";
const QString GroupNameColumn = QStringLiteral("GroupName");
const QString CodeColumn = QStringLiteral("Code");
const QString RowColumn = QStringLiteral("Row");

QStringList allColumns()
{
    return Schema::phoneColumns() << GroupNameColumn;
}

QString quoted(const QString& field)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    const bool plain =
        std::none_of(field.begin(), field.end(), [](QChar c) { return needsQuotes.contains(c); });
    if (plain && field.trimmed() == field)
        return field;
    return u'"' + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

struct CsvRow
{
    int line = 0;
    QStringList fields;
};

// Splits text into rows and fields by RFC 4180, noting every quoting fault.
class CsvSplitter
{
public:
    explicit CsvSplitter(QStringList& problems) : m_problems(problems) {}

    QList<CsvRow> split(const QString& text)
    {
        QList<CsvRow> rows;
        CsvRow row{1, {QString()}};
        int line = 1;
        qsizetype i = 0;
        while (i < text.size()) {
            const QChar c = text[i];
            if (c == u'"' && row.fields.last().isEmpty() && !m_afterQuote) {
                const int opened = line;
                if (!readQuoted(text, ++i, line, row.fields.last())) {
                    problem(opened, QStringLiteral("the quoted field begun on this line is never closed."));
                    return rows;
                }
                m_afterQuote = true;
                continue;
            }
            if (c == u',') {
                row.fields << QString();
                m_afterQuote = false;
            } else if (c == u'\r' || c == u'\n') {
                i += (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 1 : 0;
                rows << row;
                row = CsvRow{++line, {QString()}};
                m_afterQuote = false;
            } else if (m_afterQuote) {
                problem(line, QStringLiteral("text follows the closing quote of a field."));
                m_afterQuote = false;
                row.fields.last() += c;
            } else {
                if (c == u'"')
                    problem(line, QStringLiteral("a quote inside an unquoted field; quote the whole field."));
                row.fields.last() += c;
            }
            ++i;
        }
        if (row.fields.size() > 1 || !row.fields.constFirst().isEmpty() || m_afterQuote)
            rows << row;
        return rows;
    }

private:
    // Reads a quoted field from just after its opening quote up to and past
    // its closing quote; false when the text ends first.
    static bool readQuoted(const QString& text, qsizetype& i, int& line, QString& field)
    {
        for (; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                    continue;
                }
                ++i;
                return true;
            }
            if (c == u'\n' || (c == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n')))
                ++line;
            field += c;
        }
        return false;
    }

    void problem(int line, const QString& reason)
    {
        m_problems << QStringLiteral("line %1: %2").arg(line).arg(reason);
    }

    QStringList& m_problems;
    bool m_afterQuote = false;
};

// The known column name for each header field, by position.
QStringList headerColumns(const CsvRow& header, QStringList& problems)
{
    const QStringList knownColumns = allColumns();
    QStringList columns;
    for (const QString& field : header.fields) {
        const QString name = field.trimmed();
        const auto known =
            std::find_if(knownColumns.begin(), knownColumns.end(), [&name](const QString& column) {
                return column.compare(name, Qt::CaseInsensitive) == 0;
            });
        if (known == knownColumns.end())
            problems << QStringLiteral("line %1: unknown column '%2'; the columns are %3.")
                            .arg(header.line)
                            .arg(name, knownColumns.join(QStringLiteral(", ")));
        else if (columns.contains(*known))
            problems << QStringLiteral("line %1: column %2 appears twice.").arg(header.line).arg(*known);
        columns << (known == knownColumns.end() ? QString() : *known);
    }
    if (!columns.contains(QStringLiteral("Name")))
        problems << QStringLiteral("line %1: the header row has no Name column.").arg(header.line);
    return columns;
}

ContactRecord contactFrom(const CsvRow& row, const QStringList& columns, QStringList& problems)
{
    ContactRecord record;
    record.line = row.line;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString& column = columns[i];
        const QString& field = row.fields[i];
        if (column == GroupNameColumn) {
            record.groupName = field;
        } else if (column == CodeColumn) {
            if (field.trimmed().isEmpty())
                continue;
            try {
                record.groupCode = StrToInt(field.trimmed());
            } catch (const ConversionError&) {
                problems << QStringLiteral("line %1: the group code '%2' is not a whole number.")
                                .arg(row.line)
                                .arg(field);
            }
        } else if (column != RowColumn) {
            // Row is given anew by the receiving store.
            record.texts[column] = field;
        }
    }
    return record;
}

// The line of the first byte that is not UTF-8, or 0 when all are.
int firstInvalidLine(const QByteArray& bytes)
{
    int line = 0;
    for (const QByteArray& physical : bytes.split('\n')) {
        ++line;
        QStringDecoder decoder(QStringDecoder::Utf8);
        (void)decoder(physical);
        if (decoder.hasError())
            return line;
    }
    return 0;
}

} // namespace

QByteArray CsvFormat::write(const QList<ContactRecord>& records)
{
    QStringList lines{allColumns().join(u',')};
    for (const ContactRecord& record : records) {
        QStringList fields{record.groupCode ? QString::number(*record.groupCode) : QString()};
        for (const QString& column : ContactRecord::textColumns())
            fields << quoted(record.text(column));
        fields << (record.row ? QString::number(*record.row) : QString()) << quoted(record.groupName);
        lines << fields.join(u',');
    }
    return ByteOrderMark + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

ParsedContacts CsvFormat::read(const QByteArray& bytes)
{
    ParsedContacts result;
    const QByteArray content = bytes.startsWith(ByteOrderMark) ? bytes.mid(ByteOrderMark.size()) : bytes;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(content);
    if (decoder.hasError()) {
        result.problems
            << QStringLiteral("line %1: the text is not valid UTF-8.").arg(firstInvalidLine(content));
        return result;
    }
    QList<CsvRow> rows = CsvSplitter(result.problems).split(text);
    if (rows.isEmpty()) {
        result.problems << QStringLiteral("line 1: the file has no header row.");
        return result;
    }
    const CsvRow header = rows.takeFirst();
    const QStringList columns = headerColumns(header, result.problems);
    for (const CsvRow& row : rows) {
        // Spreadsheet programs add empty lines and rows of empty cells.
        if (std::all_of(row.fields.begin(), row.fields.end(), [](const QString& f) { return f.isEmpty(); }))
            continue;
        if (row.fields.size() != columns.size()) {
            result.problems << QStringLiteral("line %1: %2 fields where the header row has %3.")
                                   .arg(row.line)
                                   .arg(row.fields.size())
                                   .arg(columns.size());
            continue;
        }
        result.records << contactFrom(row, columns, result.problems);
    }
    return result;
}
