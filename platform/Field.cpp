#include "Field.h"

#include "Dataset.h"

Field::Field(Dataset* dataset, const QString& name, const QString& fieldName)
    : m_dataset(dataset), m_name(name), m_fieldName(fieldName)
{
}

QVariant Field::Value() const
{
    return m_dataset->currentValue(m_column);
}

QString Field::AsString() const
{
    const QVariant value = Value();
    return value.isNull() ? QString() : value.toString();
}

void Field::setValue(const QVariant& value)
{
    m_dataset->assign(*this, value);
}
