#include "Schema.h"

namespace Schema {

QStringList phoneColumns()
{
    return {"Code",    "Name", "Home",    "Company", "Fax", "Mobil", "City",
            "Factory", "Pish", "Postcod", "Ad1",     "Ad2", "Ad3",   "Row"};
}

QStringList groupColumns()
{
    return {"Code", "Name"};
}

QStringList createStatements()
{
    return {
        "CREATE TABLE Phone (\n"
        "  Code INTEGER,\n"
        "  Name TEXT COLLATE NOCASE,\n"
        "  Home TEXT COLLATE NOCASE,\n"
        "  Company TEXT COLLATE NOCASE,\n"
        "  Fax TEXT COLLATE NOCASE,\n"
        "  Mobil TEXT COLLATE NOCASE,\n"
        "  City TEXT COLLATE NOCASE,\n"
        "  Factory TEXT COLLATE NOCASE,\n"
        "  Pish TEXT COLLATE NOCASE,\n"
        "  Postcod TEXT COLLATE NOCASE,\n"
        "  Ad1 TEXT COLLATE NOCASE,\n"
        "  Ad2 TEXT COLLATE NOCASE,\n"
        "  Ad3 TEXT COLLATE NOCASE,\n"
        "  Row INTEGER PRIMARY KEY AUTOINCREMENT\n"
        ")",
        "CREATE TABLE Grp (\n"
        "  Code INTEGER,\n"
        "  Name TEXT COLLATE NOCASE\n"
        ")",
        // Lets a join of every contact with its group read Phone once in
        // order instead of building a temporary index at every start.
        "CREATE INDEX GrpCode ON Grp (Code)",
    };
}

} // namespace Schema
