#pragma once

#include "ContactRecord.h"

#include <QByteArray>

// Contacts as a spreadsheet table: UTF-8 with a byte-order mark (so that
// spreadsheet programs recognise Persian), CRLF line ends and RFC 4180
// quoting, a header row with the columns of Phone plus GroupName, one row per
// contact. Reading also accepts what a spreadsheet program saves back: with or
// without the mark, CRLF, LF or CR line ends, the header in any letter case
// and in any order, and columns left out.
class CsvFormat
{
public:
    static QByteArray write(const QList<ContactRecord>& records);
    static ParsedContacts read(const QByteArray& bytes);
};
