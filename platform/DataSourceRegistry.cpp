#include "DataSourceRegistry.h"

#include "DataSource.h"

#include <QHash>
#include <QList>
#include <QPointer>

namespace {

struct PendingBinding
{
    QString name;
    QPointer<QObject> receiver;
    std::function<void(DataSource*)> bind;
};

QHash<QString, QPointer<DataSource>>& sources()
{
    static QHash<QString, QPointer<DataSource>> map;
    return map;
}

QList<PendingBinding>& pending()
{
    static QList<PendingBinding> list;
    return list;
}

} // namespace

void DataSourceRegistry::add(DataSource* source)
{
    sources().insert(source->objectName(), source);
    QList<PendingBinding> waiting;
    pending().swap(waiting);
    for (PendingBinding& binding : waiting) {
        if (!binding.receiver)
            continue;
        if (binding.name == source->objectName())
            binding.bind(source);
        else
            pending().append(std::move(binding));
    }
}

DataSource* DataSourceRegistry::find(const QString& name)
{
    return sources().value(name);
}

void DataSourceRegistry::whenAvailable(const QString& name, QObject* receiver,
                                       std::function<void(DataSource*)> bind)
{
    if (DataSource* source = find(name))
        bind(source);
    else
        pending().append({name, receiver, std::move(bind)});
}
