#pragma once

#include "ContactRecord.h"

#include <QByteArray>

// Contacts as vCard 3.0 in UTF-8, the form phones and address books exchange.
// Every column travels: the name as FN and N, the four numbers as TEL, the
// address lines, city and postal code as ADR, the group as CATEGORIES, and
// the dialling prefix, factory and group code as X-PHONEBOOK- properties.
// Line breaks inside a text travel as \n, so a CR in a text comes back as LF.
class VCardFormat
{
public:
    static QByteArray write(const QList<ContactRecord>& records);
    static ParsedContacts read(const QByteArray& bytes);
};
