#pragma once

#include <QObject>
#include <QString>
#include <functional>

class DataSource;

// Finds data sources by name, so that a window made before the data module
// binds its controls as soon as the module's data sources exist.
class DataSourceRegistry
{
public:
    static void add(DataSource* source);
    static DataSource* find(const QString& name);
    // Calls bind with the named data source now, or when it is made; the call
    // is dropped when receiver is destroyed first.
    static void whenAvailable(const QString& name, QObject* receiver, std::function<void(DataSource*)> bind);
};
