#pragma once

#include "Field.h"
#include "Snapshot.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class Connection;
struct sqlite3;
struct sqlite3_stmt;

// A snapshot of a table or a query, with a current row and four modes.
// Opening reads the whole result; the snapshot then changes only through the
// dataset's own Append, Edit, Post and Delete, by RefreshRecord, or by
// closing and opening it again. Every write goes to the store at once and
// changes exactly the row it was meant for, found by the store's row
// identity, and only while that row still holds the values the snapshot read:
// the store is shared with other programs. A failed operation throws
// DatabaseError with the text "<dataset name>: <reason>".
class Dataset : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Inactive,
        Browse,
        Insert,
        Edit
    };
    enum LocateOption
    {
        loCaseInsensitive = 0x1
    };

    Dataset(const QString& name, Connection& connection, QObject* parent = nullptr);
    ~Dataset() override;

    QString Name() const { return objectName(); }

    // Adds a field to the fixed list. Once a dataset has such a list, opening
    // it fails when the result lacks one of the columns, and columns without
    // a field cannot be reached.
    Field* addField(const QString& name, const QString& fieldName);

    void Open();
    void Close();
    bool Active() const { return m_state != State::Inactive; }
    void setActive(bool active);

    void First();
    void Next();
    bool Eof() const { return m_eof; }

    void Append();
    void Edit();
    void Post();
    void Delete();
    void Cancel();
    bool Locate(const QString& keyFields, const QVariantList& keyValues, int options);
    // Reads the current row again from the store, as another program may have
    // left it. Returns false when the row is gone; it is then dropped from the
    // snapshot as well.
    bool RefreshRecord();

    Field& FieldByName(const QString& fieldName) const;
    Field* FindField(const QString& fieldName) const;
    QVariant FieldValues(const QString& fieldName) const;
    void setFieldValues(const QString& fieldName, const QVariant& value);
    const std::vector<std::unique_ptr<Field>>& Fields() const { return m_fields; }

    State state() const { return m_state; }
    bool isEmpty() const { return m_snapshot.isEmpty(); }
    int RecordCount() const { return m_snapshot.rowCount(); }
    // The current row's position (-1: none). A row being inserted is shown
    // after the last row, at position RecordCount().
    int RecNo() const;
    void setRecNo(int row);
    // Rows to show: the snapshot, plus the row being inserted.
    int displayRowCount() const;
    QVariant displayValue(int row, const Field& field) const;
    bool canModify() const { return !m_baseTable.isEmpty(); }
    // While disabled, moves of the current row are not announced; enabling
    // announces the row reached.
    void DisableControls() { ++m_controlsDisabled; }
    void EnableControls();
    bool isModified() const;

signals:
    // The snapshot was taken anew, dropped, or lost or gained a row.
    void snapshotReset();
    void rowChanged(int row);
    void currentChanged();
    void stateChanged();

protected:
    struct ReadStatement
    {
        sqlite3_stmt* statement = nullptr;
        bool firstColumnIsRowId = false;
    };
    // Prepares the statement that reads the rows; throws DatabaseError with
    // the bare reason.
    virtual ReadStatement prepareRead() = 0;
    sqlite3* db() const;
    static QString quotedIdentifier(const QString& identifier);
    [[noreturn]] void fail(const QString& reason) const;
    // Throws DatabaseError with the bare reason unless the statement text is
    // only one statement.
    void requireSingleStatement(const char* tail) const;
    // Stays open with the same columns but no rows, giving up a pending row.
    void dropRows();

private:
    struct Column
    {
        QString name;
        QString originTable;
        QString originColumn;
        Field::DataType type = Field::DataType::Unknown;
        bool rowIdentity = false;
    };

    friend class Field;
    QVariant currentValue(int column) const;
    void assign(Field& field, const QVariant& value);
    void requireActive() const;
    void checkBrowseMode();
    void describeColumns(sqlite3_stmt* statement, int firstColumn);
    void bindFields();
    void insertPending();
    void updatePending();
    // Fills the columns read from the base table with the store's values of
    // the row; false when the store has no such row.
    bool readRow(qint64 rowId, std::vector<QVariant>& values);
    // Runs a write; returns the number of rows it changed.
    int execute(const QString& sql, const std::vector<QVariant>& values);
    // " AND <column> IS ?" for every column read from the base table, with
    // the current row's values as read: a write that finds other values
    // changes nothing.
    QString unchangedSince(int row, std::vector<QVariant>& values) const;
    bool rowExists(qint64 rowId);
    void dropCurrentRow();
    void setState(State state);
    // Drops the snapshot and any pending row, ending in state.
    void leaveWithoutRows(State state);
    void moveTo(int row);
    // A value Locate looks for in one column.
    struct LocateKey
    {
        int column = -1;
        bool numeric = false;
        bool matchesNull = false;
        bool unmatchable = false;
        qint64 number = 0;
        QString text;
    };
    LocateKey locateKey(const Field& field, const QVariant& value) const;
    bool matches(int row, const LocateKey& key, bool caseInsensitive) const;

    Connection& m_connection;
    std::vector<std::unique_ptr<Field>> m_fields;
    bool m_fixedFields = false;
    std::vector<Column> m_columns;
    QString m_baseTable;
    Snapshot m_snapshot;
    State m_state = State::Inactive;
    int m_current = -1;
    int m_currentBeforeInsert = -1;
    bool m_eof = true;
    std::vector<QVariant> m_pending;
    std::vector<bool> m_assigned;
    int m_controlsDisabled = 0;
};
