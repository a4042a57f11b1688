#pragma once

#include <QString>
#include <QVariant>

class Dataset;

// One column of a dataset, reached by its column name. A field either belongs
// to the dataset's fixed list (it must find its column when the dataset
// opens) or is made for each column of a dataset that has no such list.
class Field
{
public:
    enum class DataType
    {
        Unknown,
        Integer,
        Text
    };

    Field(Dataset* dataset, const QString& name, const QString& fieldName);

    QString Name() const { return m_name; }
    QString FieldName() const { return m_fieldName; }
    Dataset* DataSet() const { return m_dataset; }
    DataType dataType() const { return m_type; }
    bool isReadOnly() const { return m_readOnly; }

    // The current row's value as text: decimal digits for a number, the empty
    // text for null, a closed dataset or no current row.
    QString AsString() const;
    QVariant Value() const;
    void setValue(const QVariant& value);
    bool IsNull() const { return Value().isNull(); }

private:
    friend class Dataset;
    Dataset* m_dataset;
    QString m_name;
    QString m_fieldName;
    int m_column = -1;
    DataType m_type = DataType::Unknown;
    bool m_readOnly = false;
};
