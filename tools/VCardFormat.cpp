#include "VCardFormat.h"

#include "Conversions.h"

#include <QStringDecoder>

namespace {

constexpr int MaxLineOctets = 75;
const QByteArray LineEnd = "\r\n";

// The telephone columns with the TEL type each is written under.
const QList<std::pair<QString, QString>>& telephoneTypes()
{
    static const QList<std::pair<QString, QString>> types{{QStringLiteral("Home"), QStringLiteral("HOME")},
                                                          {QStringLiteral("Company"), QStringLiteral("WORK")},
                                                          {QStringLiteral("Fax"), QStringLiteral("FAX")},
                                                          {QStringLiteral("Mobil"), QStringLiteral("CELL")}};
    return types;
}

const QString PrefixProperty = QStringLiteral("X-PHONEBOOK-PREFIX");
const QString FactoryProperty = QStringLiteral("X-PHONEBOOK-FACTORY");
const QString GroupCodeProperty = QStringLiteral("X-PHONEBOOK-GROUP-CODE");

QString escaped(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u';' || c == u',')
            result += QLatin1Char('\\') + c;
        else if (c == u'\n')
            result += QStringLiteral("\\n");
        else
            result += c;
    }
    return result;
}

QString unescaped(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const QChar next = text[++i];
        result += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
    }
    return result;
}

// Splits at separators that no backslash escapes; the parts stay escaped.
QStringList splitEscaped(const QString& text, QChar separator)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            parts.last() += text[i];
            parts.last() += text[++i];
        } else if (text[i] == separator) {
            parts << QString();
        } else {
            parts.last() += text[i];
        }
    }
    return parts;
}

// Splits at separators outside double quotes, for the name and parameters.
QStringList splitUnquoted(const QString& text, QChar separator)
{
    QStringList parts{QString()};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        if (c == separator && !quoted)
            parts << QString();
        else
            parts.last() += c;
    }
    return parts;
}

qsizetype unquotedColon(const QString& text)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        else if (text[i] == u':' && !quoted)
            return i;
    }
    return -1;
}

// Folds a content line at 75 octets, never inside a UTF-8 sequence; each
// continuation starts with a space that counts towards its 75.
QByteArray folded(const QByteArray& line)
{
    QByteArray result;
    qsizetype start = 0;
    qsizetype limit = MaxLineOctets;
    while (line.size() - start > limit) {
        qsizetype cut = start + limit;
        while ((uchar(line[cut]) & 0xC0) == 0x80)
            --cut;
        result += line.mid(start, cut - start) + LineEnd + ' ';
        start = cut;
        limit = MaxLineOctets - 1;
    }
    return result + line.mid(start) + LineEnd;
}

// The upper-case TYPE values of a property, from TYPE=A,B and from bare A.
QStringList typesOf(const QStringList& parameters)
{
    QStringList types;
    for (const QString& parameter : parameters) {
        const qsizetype equals = parameter.indexOf(u'=');
        if (equals < 0)
            types << parameter.toUpper();
        else if (parameter.left(equals).trimmed().compare(QStringLiteral("TYPE"), Qt::CaseInsensitive) == 0)
            for (const QString& type : parameter.mid(equals + 1).split(u','))
                types << type.trimmed().remove(u'"').toUpper();
    }
    return types;
}

QString telephoneColumn(const QStringList& types)
{
    if (types.contains(QStringLiteral("FAX")))
        return QStringLiteral("Fax");
    if (types.contains(QStringLiteral("CELL")))
        return QStringLiteral("Mobil");
    if (types.contains(QStringLiteral("WORK")))
        return QStringLiteral("Company");
    return QStringLiteral("Home");
}

struct ContentLine
{
    int line = 0;
    QByteArray bytes;
};

// Joins folded lines back together; numbers are those of each first line.
QList<ContentLine> unfolded(const QByteArray& bytes)
{
    QList<ContentLine> lines;
    int number = 0;
    for (QByteArray physical : bytes.split('\n')) {
        ++number;
        if (physical.endsWith('\r'))
            physical.chop(1);
        if ((physical.startsWith(' ') || physical.startsWith('\t')) && !lines.isEmpty())
            lines.last().bytes += physical.mid(1);
        else
            lines.append({number, physical});
    }
    return lines;
}

// Reads the cards of one file, one content line at a time.
class CardReader
{
public:
    void take(int line, const QString& text)
    {
        const qsizetype colon = unquotedColon(text);
        if (colon < 0) {
            problem(line, QStringLiteral("a line without ':' is not a vCard property."));
            return;
        }
        QStringList parameters = splitUnquoted(text.left(colon), u';');
        QString name = parameters.takeFirst().trimmed().toUpper();
        name = name.mid(name.lastIndexOf(u'.') + 1); // drops a group prefix such as item1.
        const QString value = text.mid(colon + 1);
        const bool vcardValue = value.trimmed().compare(QStringLiteral("VCARD"), Qt::CaseInsensitive) == 0;

        if (name == u"BEGIN" && vcardValue) {
            if (m_card)
                problem(m_card->line,
                        QStringLiteral("the card begun here has no END:VCARD before the next BEGIN:VCARD "
                                       "on line %1.")
                            .arg(line));
            m_card = ContactRecord{};
            m_card->line = line;
        } else if (name == u"END" && vcardValue) {
            if (!m_card) {
                problem(line, QStringLiteral("END:VCARD without a BEGIN:VCARD before it."));
                return;
            }
            m_result.records << *m_card;
            m_card.reset();
        } else if (!m_card) {
            problem(line, QStringLiteral("%1 outside BEGIN:VCARD ... END:VCARD.").arg(name));
        } else {
            property(line, name, parameters, value);
        }
    }

    void problem(int line, const QString& reason)
    {
        m_result.problems << QStringLiteral("line %1: %2").arg(line).arg(reason);
    }

    ParsedContacts finish()
    {
        if (m_card)
            problem(m_card->line, QStringLiteral("the card begun here has no END:VCARD."));
        return m_result;
    }

private:
    void property(int line, const QString& name, const QStringList& parameters, const QString& value)
    {
        ContactRecord& card = *m_card;
        if (name == u"FN") {
            card.texts[QStringLiteral("Name")] = unescaped(value);
        } else if (name == u"N") {
            // Only for a card without FN: prefix, given, additional, family and suffix names.
            if (card.texts.contains(QStringLiteral("Name")))
                return;
            const QStringList parts = splitEscaped(value, u';');
            QStringList names;
            for (const int index : {3, 1, 2, 0, 4})
                if (!parts.value(index).isEmpty())
                    names << unescaped(parts.value(index));
            card.texts[QStringLiteral("Name")] = names.join(u' ');
        } else if (name == u"TEL") {
            QString& number = card.texts[telephoneColumn(typesOf(parameters))];
            number += (number.isEmpty() ? QString() : QStringLiteral(", ")) + unescaped(value);
        } else if (name == u"ADR") {
            const QStringList parts = splitEscaped(value, u';');
            QStringList street = splitEscaped(parts.value(2), u',');
            while (street.size() > 3)
                street[2] += u',' + street.takeAt(3);
            card.texts[QStringLiteral("Ad1")] = unescaped(street.value(0));
            card.texts[QStringLiteral("Ad2")] = unescaped(street.value(1));
            card.texts[QStringLiteral("Ad3")] = unescaped(street.value(2));
            card.texts[QStringLiteral("City")] = unescaped(parts.value(3));
            card.texts[QStringLiteral("Postcod")] = unescaped(parts.value(5));
        } else if (name == u"CATEGORIES") {
            card.groupName = unescaped(splitEscaped(value, u',').constFirst());
        } else if (name == PrefixProperty) {
            card.texts[QStringLiteral("Pish")] = unescaped(value);
        } else if (name == FactoryProperty) {
            card.texts[QStringLiteral("Factory")] = unescaped(value);
        } else if (name == GroupCodeProperty) {
            try {
                card.groupCode = StrToInt(unescaped(value));
            } catch (const ConversionError&) {
                problem(line, QStringLiteral("the group code '%1' is not a whole number.").arg(value));
            }
        }
    }

    std::optional<ContactRecord> m_card;
    ParsedContacts m_result;
};

} // namespace

QByteArray VCardFormat::write(const QList<ContactRecord>& records)
{
    QByteArray result;
    const auto property = [&result](const QString& name, const QString& value) {
        result += folded((name + u':' + value).toUtf8());
    };
    const auto optionalProperty = [&property](const QString& name, const QString& text) {
        if (!text.isEmpty())
            property(name, escaped(text));
    };
    for (const ContactRecord& record : records) {
        property(QStringLiteral("BEGIN"), QStringLiteral("VCARD"));
        property(QStringLiteral("VERSION"), QStringLiteral("3.0"));
        const QString name = escaped(record.text(QStringLiteral("Name")));
        property(QStringLiteral("FN"), name);
        property(QStringLiteral("N"), name + QStringLiteral(";;;;"));
        for (const auto& [column, type] : telephoneTypes())
            optionalProperty(QStringLiteral("TEL;TYPE=") + type, record.text(column));

        const QStringList street{escaped(record.text(QStringLiteral("Ad1"))),
                                 escaped(record.text(QStringLiteral("Ad2"))),
                                 escaped(record.text(QStringLiteral("Ad3")))};
        const QString city = escaped(record.text(QStringLiteral("City")));
        const QString postcode = escaped(record.text(QStringLiteral("Postcod")));
        if (!(street.join(QString()) + city + postcode).isEmpty())
            property(QStringLiteral("ADR;TYPE=HOME"),
                     QStringLiteral(";;%1;%2;;%3;").arg(street.join(u','), city, postcode));

        optionalProperty(QStringLiteral("CATEGORIES"), record.groupName);
        optionalProperty(PrefixProperty, record.text(QStringLiteral("Pish")));
        optionalProperty(FactoryProperty, record.text(QStringLiteral("Factory")));
        if (record.groupCode)
            property(GroupCodeProperty, QString::number(*record.groupCode));
        property(QStringLiteral("END"), QStringLiteral("VCARD"));
    }
    return result;
}

ParsedContacts VCardFormat::read(const QByteArray& bytes)
{
    CardReader reader;
    const QByteArray withoutMark = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    for (const ContentLine& line : unfolded(withoutMark)) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(line.bytes);
        if (decoder.hasError())
            reader.problem(line.line, QStringLiteral("the text is not valid UTF-8."));
        else if (!text.trimmed().isEmpty())
            reader.take(line.line, text);
    }
    return reader.finish();
}
