#include "DemoData.h"

#include "DatabaseError.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

// SplitMix64 with hand-made ranges: std distributions differ between standard
// libraries, and a seed must give the same file everywhere.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        m_state += 0x9E3779B97F4A7C15ULL;
        quint64 z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, bound) by multiply-shift; the bias is far below anything visible.
    int below(int bound) { return int(((next() >> 32) * quint64(bound)) >> 32); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

    template <size_t N> const QString& pick(const std::array<QString, N>& items)
    {
        return items[size_t(below(int(N)))];
    }

    // Digits drawn from `allowed`, e.g. "0123456789".
    QString digits(int count, const char* allowed)
    {
        const int choices = int(qstrlen(allowed));
        QString text;
        text.reserve(count);
        for (int i = 0; i < count; ++i)
            text += QLatin1Char(allowed[below(choices)]);
        return text;
    }

private:
    quint64 m_state;
};

const std::array<QString, 22> GroupNames = {
    u"خانواده"_s,
    u"دوستان"_s,
    u"همکاران"_s,
    u"مشتریان"_s,
    u"تامین‌کنندگان"_s,
    u"پزشکان"_s,
    u"همسایگان"_s,
    u"دانشگاه"_s,
    u"باشگاه"_s,
    u"اداره"_s,
    u"بانک‌ها"_s,
    u"تعمیرکاران"_s,
    u"هم‌کلاسی‌ها"_s,
    u"فروشگاه‌ها"_s,
    u"رستوران‌ها"_s,
    u"آموزشگاه"_s,
    u"بیمه"_s,
    u"وکلا"_s,
    u"خدمات شهری"_s,
    u"آژانس‌ها"_s,
    u"چاپخانه‌ها"_s,
    u"گالری‌ها"_s,
};

const std::array<QString, 44> FirstNames = {
    u"پریسا"_s,  u"چنگیز"_s, u"ژاله"_s,  u"گلناز"_s,  u"بهرام"_s,  u"کاوه"_s,  u"پرویز"_s,  u"پروین"_s,
    u"چکاوک"_s,  u"ژیلا"_s,  u"ژینا"_s,  u"گلاره"_s,  u"گودرز"_s,  u"پگاه"_s,  u"پیمان"_s,  u"مژگان"_s,
    u"نگار"_s,   u"گیتی"_s,  u"سپیده"_s, u"مهرداد"_s, u"کیوان"_s,  u"یگانه"_s, u"آرش"_s,    u"سیاوش"_s,
    u"فرزانه"_s, u"لیلا"_s,  u"مریم"_s,  u"علی"_s,    u"رضا"_s,    u"حسین"_s,  u"زهرا"_s,   u"نرگس"_s,
    u"شاهرخ"_s,  u"بیژن"_s,  u"منیژه"_s, u"پژمان"_s,  u"داریوش"_s, u"فرشته"_s, u"کامران"_s, u"کیمیا"_s,
    u"یاسمن"_s,  u"پوپک"_s,  u"گیو"_s,   u"چیستا"_s,
};

const std::array<QString, 40> FamilyNames = {
    u"احمدی"_s,    u"پاکزاد"_s, u"چراغی"_s,   u"ژیان"_s,     u"گلزار"_s,           u"کرمانی"_s,
    u"پورمحمدی"_s, u"چگینی"_s,  u"گرجی"_s,    u"طباطبایی"_s, u"موسوی"_s,           u"رضایی"_s,
    u"حسینی"_s,    u"کریمی"_s,  u"صادقی"_s,   u"قربانی"_s,   u"نیک‌پور"_s, u"پهلوان"_s,
    u"چاوشی"_s,    u"ژرفا"_s,   u"گودرزی"_s,  u"بیگی"_s,     u"یزدانی"_s,          u"شیرازی"_s,
    u"تهرانی"_s,   u"کاشانی"_s, u"میرزایی"_s, u"پارسا"_s,    u"فرهادی"_s,          u"زمانی"_s,
    u"جعفری"_s,    u"نوروزی"_s, u"اکبری"_s,   u"باقری"_s,    u"سلطانی"_s,          u"رستمی"_s,
    u"پیرنیا"_s,   u"چمنی"_s,   u"گنجی"_s,    u"کیانی"_s,
};

// Tehran comes first: it is drawn far more often than the rest.
const std::array<std::array<QString, 2>, 31> Cities = {{
    {u"تهران"_s, u"021"_s},    {u"اصفهان"_s, u"031"_s},   {u"مشهد"_s, u"051"_s},
    {u"شیراز"_s, u"071"_s},    {u"تبریز"_s, u"041"_s},    {u"کرج"_s, u"026"_s},
    {u"اهواز"_s, u"061"_s},    {u"قم"_s, u"025"_s},       {u"رشت"_s, u"013"_s},
    {u"کرمان"_s, u"034"_s},    {u"یزد"_s, u"035"_s},      {u"همدان"_s, u"081"_s},
    {u"ارومیه"_s, u"044"_s},   {u"کرمانشاه"_s, u"083"_s}, {u"زاهدان"_s, u"054"_s},
    {u"اراک"_s, u"086"_s},     {u"قزوین"_s, u"028"_s},    {u"ساری"_s, u"011"_s},
    {u"گرگان"_s, u"017"_s},    {u"زنجان"_s, u"024"_s},    {u"سنندج"_s, u"087"_s},
    {u"بندرعباس"_s, u"076"_s}, {u"اردبیل"_s, u"045"_s},   {u"خرم‌آباد"_s, u"066"_s},
    {u"بوشهر"_s, u"077"_s},    {u"سمنان"_s, u"023"_s},    {u"بیرجند"_s, u"056"_s},
    {u"ایلام"_s, u"084"_s},    {u"یاسوج"_s, u"074"_s},    {u"شهرکرد"_s, u"038"_s},
    {u"بجنورد"_s, u"058"_s},
}};

const std::array<QString, 20> MobilePrefixes = {
    u"0910"_s, u"0911"_s, u"0912"_s, u"0913"_s, u"0914"_s, u"0915"_s, u"0916"_s,
    u"0917"_s, u"0918"_s, u"0919"_s, u"0901"_s, u"0902"_s, u"0903"_s, u"0921"_s,
    u"0922"_s, u"0935"_s, u"0936"_s, u"0937"_s, u"0938"_s, u"0939"_s,
};

const std::array<QString, 20> Workplaces = {
    u"کارخانه قند"_s,
    u"کارخانه سیمان"_s,
    u"ایران‌خودرو"_s,
    u"سایپا"_s,
    u"فولاد مبارکه"_s,
    u"پتروشیمی بندر امام"_s,
    u"شرکت نفت پارس"_s,
    u"کارخانه چینی زرین"_s,
    u"کارخانه کاشی"_s,
    u"شرکت مخابرات"_s,
    u"بیمارستان امام"_s,
    u"بانک ملی"_s,
    u"دانشگاه تهران"_s,
    u"چاپخانه گلشن"_s,
    u"نساجی مازندران"_s,
    u"کارخانه کبریت‌سازی"_s,
    u"شرکت پخش البرز"_s,
    u"کارخانه ماکارونی"_s,
    u"کارگاه نجاری پگاه"_s,
    u"شرکت گاز"_s,
};

const std::array<QString, 24> Streets = {
    u"ولیعصر"_s,   u"انقلاب"_s,  u"آزادی"_s,      u"شریعتی"_s,    u"کریمخان زند"_s, u"چهارباغ"_s,
    u"پاسداران"_s, u"فردوسی"_s,  u"حافظ"_s,       u"سعدی"_s,      u"مطهری"_s,       u"بهشتی"_s,
    u"جمهوری"_s,   u"طالقانی"_s, u"امام خمینی"_s, u"نواب"_s,      u"گلستان"_s,      u"پیروزی"_s,
    u"ستارخان"_s,  u"چمران"_s,   u"کشاورز"_s,     u"ژاندارمری"_s, u"گاندی"_s,       u"پونک"_s,
};

const std::array<QString, 10> Squares = {
    u"ونک"_s,      u"تجریش"_s, u"انقلاب"_s, u"آزادی"_s, u"هفت‌تیر"_s,
    u"نقش جهان"_s, u"ارگ"_s,   u"ساعت"_s,   u"شهدا"_s,  u"گلها"_s,
};

const std::array<QString, 18> Alleys = {
    u"گلها"_s,   u"یاس"_s,        u"نسترن"_s,  u"بهار"_s, u"پروانه"_s, u"شقایق"_s,
    u"لاله"_s,   u"نرگس"_s,       u"ارغوان"_s, u"پونه"_s, u"چنار"_s,   u"ژاله"_s,
    u"گلستان"_s, u"شهید رضایی"_s, u"دوم"_s,    u"سوم"_s,  u"چهارم"_s,  u"پنجم"_s,
};

QString persianNumber(int number)
{
    QString text = QString::number(number);
    for (QChar& digit : text)
        digit = QChar(digit.unicode() - u'0' + 0x06F0);
    return text;
}

// Some people type on an Arabic keyboard layout; their yeh and kaf differ from the Persian ones.
QString arabicSpelling(QString text)
{
    return text.replace(QChar(0x06CC), QChar(0x064A)).replace(QChar(0x06A9), QChar(0x0643));
}

QString groupName(int index)
{
    const int listSize = int(GroupNames.size());
    QString name = GroupNames[size_t(index % listSize)];
    if (index >= listSize)
        name += u' ' + persianNumber(index / listSize + 1);
    return name;
}

QString localNumber(Random& random, int length)
{
    QString number = random.digits(1, "23456789");
    number += random.digits(length - 1, "0123456789");
    return number;
}

// Ten digits without 0 or 2 in the first five and without 2 afterwards, as Iranian post codes are.
QString postalCode(Random& random)
{
    QString code = random.digits(4, "13456789");
    code += random.digits(1, "1346789");
    code += random.digits(5, "013456789");
    return code;
}

// Address lines Ad1..Ad3, all empty for about one contact in seven.
std::array<QString, 3> address(Random& random)
{
    if (!random.chance(85))
        return {};
    std::array<QString, 3> lines;
    if (random.chance(25)) {
        const QString square = random.pick(Squares);
        lines[0] = QStringLiteral("میدان ") + square + QStringLiteral("، ");
    }
    const QString streetKind = random.chance(80) ? QStringLiteral("خیابان ") : QStringLiteral("بلوار ");
    const QString street = random.pick(Streets);
    lines[0] += streetKind + street;
    const QString alley = random.pick(Alleys);
    const int plate = random.between(1, 250);
    lines[1] = QStringLiteral("کوچه ") + alley + QStringLiteral("، پلاک ") + persianNumber(plate);
    if (random.chance(45)) {
        const int floor = random.between(1, 8);
        lines[2] = QStringLiteral("طبقه ") + persianNumber(floor);
        if (random.chance(50)) {
            const int unit = random.between(1, 20);
            lines[2] += QStringLiteral("، واحد ") + persianNumber(unit);
        }
    }
    return lines;
}

// Columns Name .. Ad3 of one contact, in stored order. Every draw is its own
// statement so the sequence doesn't depend on the compiler's evaluation order.
std::array<QString, 12> contactTexts(Random& random)
{
    const QString first = random.pick(FirstNames);
    const QString family = random.pick(FamilyNames);
    QString name = first + u' ' + family;
    if (random.chance(4))
        name = arabicSpelling(name);

    QString city;
    QString prefix;
    if (random.chance(95)) {
        const auto& entry =
            random.chance(35) ? Cities[0] : Cities[size_t(random.between(1, Cities.size() - 1))];
        city = entry[0];
        prefix = entry[1];
    }
    const int localLength = prefix == u"021" ? 8 : 7;

    const QString home = random.chance(85) ? localNumber(random, localLength) : QString();
    const bool hasWork = random.chance(60);
    const QString company = hasWork ? localNumber(random, localLength) : QString();
    const QString fax = random.chance(hasWork ? 75 : 10) ? localNumber(random, localLength) : QString();
    QString mobile;
    if (random.chance(85)) {
        mobile = random.pick(MobilePrefixes);
        mobile += random.digits(7, "0123456789");
    }
    const QString factory = random.chance(20) ? random.pick(Workplaces) : QString();
    const QString postcode = random.chance(70) ? postalCode(random) : QString();
    const std::array<QString, 3> lines = address(random);

    return {name, home, company, fax, mobile, city, factory, prefix, postcode, lines[0], lines[1], lines[2]};
}

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

[[noreturn]] void fail(sqlite3* db)
{
    throw DatabaseError(
        QStringLiteral("Cannot write the demo data: %1").arg(QString::fromUtf8(sqlite3_errmsg(db))));
}

void execute(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db);
}

Statement prepare(sqlite3* db, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        fail(db);
    return Statement(statement, &sqlite3_finalize);
}

// The statement reads `utf8` in place, so it must live until the step.
void bindText(sqlite3* db, sqlite3_stmt* statement, int index, const QByteArray& utf8)
{
    if (sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC) != SQLITE_OK)
        fail(db);
}

void bindCode(sqlite3* db, sqlite3_stmt* statement, int code)
{
    if (sqlite3_bind_int(statement, 1, code) != SQLITE_OK)
        fail(db);
}

void stepAndReset(sqlite3* db, sqlite3_stmt* statement)
{
    if (sqlite3_step(statement) != SQLITE_DONE)
        fail(db);
    sqlite3_reset(statement);
}

void insertGroups(sqlite3* db, int groupCount)
{
    const Statement insert = prepare(db, "INSERT INTO Grp (Code, Name) VALUES (?, ?)");
    for (int index = 0; index < groupCount; ++index) {
        bindCode(db, insert.get(), index + 1);
        const QByteArray name = groupName(index).toUtf8();
        bindText(db, insert.get(), 2, name);
        stepAndReset(db, insert.get());
    }
}

void insertContacts(sqlite3* db, int groupCount, int contactCount, quint64 seed)
{
    const Statement insert = prepare(db, "INSERT INTO Phone (Code, Name, Home, Company, Fax, Mobil, City, "
                                         "Factory, Pish, Postcod, Ad1, Ad2, Ad3) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Random random(seed);
    for (int contact = 0; contact < contactCount; ++contact) {
        const int code = random.between(1, groupCount);
        const std::array<QString, 12> texts = contactTexts(random);
        std::array<QByteArray, 12> utf8;
        bindCode(db, insert.get(), code);
        for (size_t column = 0; column < texts.size(); ++column) {
            utf8[column] = texts[column].toUtf8();
            bindText(db, insert.get(), int(column) + 2, utf8[column]);
        }
        stepAndReset(db, insert.get());
    }
}

} // namespace

void DemoData::fill(sqlite3* db, int groupCount, int contactCount, quint64 seed)
{
    if (groupCount < 0 || contactCount < 0)
        throw DatabaseError(QStringLiteral("The demo sizes must not be negative."));
    if (contactCount > 0 && groupCount == 0)
        throw DatabaseError(QStringLiteral("Demo contacts need at least one group."));

    execute(db, "BEGIN");
    try {
        insertGroups(db, groupCount);
        insertContacts(db, groupCount, contactCount, seed);
        execute(db, "COMMIT");
    } catch (const DatabaseError&) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}
