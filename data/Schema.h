#pragma once

#include <QString>
#include <QStringList>

// The layout of dbphone.mdb: table Phone (one contact a row) and table Grp
// (one group a row). Text columns use NOCASE, which this program's connection
// replaces with Persian alphabetical order; other SQLite tools still read the
// file with their own NOCASE.
namespace Schema {

inline const QString DatabaseFileName = QStringLiteral("dbphone.mdb");

// Column names in their stored order.
QStringList phoneColumns();
QStringList groupColumns();

// Statements that create both tables, and the index on group codes, in an
// empty database.
QStringList createStatements();

} // namespace Schema
