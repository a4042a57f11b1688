// Measures the dataset layer and the program's start-up against the bare SQLite
// engine on a phone book of 100 000 contacts. It prints figures and ratios and
// never fails because of a time.

#include "Application.h"
#include "Connection.h"
#include "CreateDatabase.h"
#include "DBGrid.h"
#include "DatabaseError.h"
#include "LabeledEdit.h"
#include "QueryDataset.h"
#include "Startup.h"
#include "TableDataset.h"
#include "Unit2.h"
#include "UnitDM.h"
#include "UnitMain.h"
#include "UnitSearch.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <functional>
#include <malloc.h>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int ContactCount = 100000;
constexpr int GroupCount = 200;
constexpr int Repetitions = 7;
constexpr int StartupRepetitions = 5;
const char* const StartupChildOption = "--startup-child";
const char* const SearchChildOption = "--search-child";
constexpr int KeyReleases = 50;

// The statements the data module runs while the program starts, in its order.
const QByteArray StartupStatements[] = {
    "SELECT _rowid_, * FROM \"Phone\"",
    "SELECT _rowid_, * FROM \"Grp\"",
    "select * from phone where code=NULL",
    "SELECT Grp.Code, Grp.Name, Phone.Name, Phone.Home, Phone.Company, Phone.Fax, Phone.Mobil, Phone.City, "
    "Phone.Factory, Phone.Pish, Phone.Postcod, Phone.Ad1, Phone.Ad2, Phone.Ad3, Phone.Row\r\n"
    "FROM Grp INNER JOIN Phone ON Grp.Code = Phone.Code;\r\n",
};

// Wall-clock time, comparable between the bench and its child process.
qint64 realtimeNs()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Timing
{
    double median = 0; // milliseconds
    double min = 0;
};

Timing summarize(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front()};
}

// Runs the workloads in turns, one untimed round first so that every timed
// run finds the file in the page cache; taking turns spreads the load of other
// processes over all of them alike.
std::vector<Timing> measureInTurns(const std::vector<std::function<void()>>& work)
{
    for (const auto& run : work)
        run();
    std::vector<std::vector<double>> samples(work.size());
    for (int i = 0; i < Repetitions; ++i) {
        for (size_t w = 0; w < work.size(); ++w) {
            const auto start = std::chrono::steady_clock::now();
            work[w]();
            samples[w].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::vector<Timing> timings;
    for (const std::vector<double>& workSamples : samples)
        timings.push_back(summarize(workSamples));
    return timings;
}

// Where every raw read leaves its checksum, so that no value read is optimised away.
volatile quint64 checksumSink = 0;

struct RawRead
{
    qint64 rows = 0;
    quint64 textBytes = 0;
    quint64 checksum = 0;
};

// Steps a statement to its end and reads every column of every row as a
// client that keeps the values must: the type first, then the value. The
// sums make sure every value is really fetched.
RawRead stepAll(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
    RawRead read;
    const int columns = sqlite3_column_count(statement);
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        ++read.rows;
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_INTEGER:
                read.checksum += quint64(sqlite3_column_int64(statement, c));
                break;
            case SQLITE_FLOAT:
                read.checksum += quint64(sqlite3_column_double(statement, c));
                break;
            case SQLITE_TEXT: {
                const unsigned char* text = sqlite3_column_text(statement, c);
                const int bytes = sqlite3_column_bytes(statement, c);
                read.textBytes += quint64(bytes);
                if (bytes > 0)
                    read.checksum += text[bytes - 1];
                break;
            }
            case SQLITE_BLOB: {
                const auto* blob = static_cast<const unsigned char*>(sqlite3_column_blob(statement, c));
                const int bytes = sqlite3_column_bytes(statement, c);
                if (bytes > 0)
                    read.checksum += blob[bytes - 1];
                break;
            }
            default:
                break;
            }
        }
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        throw DatabaseError(error);
    checksumSink = read.checksum;
    return read;
}

// Bytes the program holds from malloc, including blocks big enough to be
// mapped on their own (the snapshot's chunks can be).
size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void printSection(const char* title)
{
    std::printf("\n%s\n", title);
}

void printTiming(const char* label, const Timing& timing)
{
    std::printf("  %-56s %10.1f ms %10.1f ms\n", label, timing.median, timing.min);
}

void printInfo(const char* label, double value, const char* unit)
{
    std::printf("  %-56s %10.2f %s\n", label, value, unit);
}

void printTarget(const char* label, double value, const char* unit, double limit)
{
    std::printf("  %-56s %10.2f %-5s target <= %-8.2f %s\n", label, value, unit, limit,
                value <= limit ? "ok" : "over");
}

void printHeader()
{
    std::printf(
        "storebench: the dataset layer and the start-up against the bare SQLite engine\n"
        "\n"
        "Each time is taken %d times after one untimed run; \"median\" and \"min\" are over those runs.\n"
        "Workloads that are compared run in turns, so that other load on the machine hits both alike.\n"
        "\"raw engine\" means sqlite3_prepare/step/finalize on the same file, reading every column of\n"
        "every row (type, then int64 or text and byte count), with nothing kept.\n"
        "\n"
        "(a) Opening a QueryDataset (reading the whole result into its snapshot, then closing it)\n"
        "    against the raw engine on the same connection, so both use the Persian collation and LIKE.\n"
        "(b) Start-up: wall-clock time from just before the bench starts a child process until the\n"
        "    child's main window runs its event loop (a zero timer queued when the main window is shown "
        "fires),\n"
        "    against the raw engine running the data module's four start-up statements on an open\n"
        "    connection. The child's own time from main() to the loop leaves out exec and loading.\n"
        "    Here the child and the raw statements take %d timed turns.\n"
        "(c) Heap growth (mallinfo2 in-use plus mapped blocks) from opening a TableDataset on Phone,\n"
        "    per row, with the stored text bytes per row beside it for scale.\n"
        "(d) The program's LIKE (Persian folding) against SQLite's built-in LIKE, both raw, on a\n"
        "    Persian connection and a plain connection to the same file, without ORDER BY.\n"
        "(e) The search window, in a child process with the whole program on the offscreen platform:\n"
        "    from sending a key release to the search edit until its handler has returned and the\n"
        "    grid's model reports the new row count; the letter itself is typed by a key press just\n"
        "    before, untimed. %d releases each, taking turns with the raw engine stepping the statement\n"
        "    the window ran; median and worst.\n",
        Repetitions, StartupRepetitions, KeyReleases);
    double load[3];
    if (getloadavg(load, 3) == 3)
        std::printf("\nLoad average before the run: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
}

void compareQuery(Connection& connection, const char* title, const QStringList& lines)
{
    printSection(title);
    QueryDataset query(QStringLiteral("BenchQuery"), connection);
    for (const QString& line : lines)
        query.SQL.Add(line);
    const QByteArray sql = query.SQL.Text().toUtf8();

    int datasetRows = 0;
    RawRead raw;
    const std::vector<Timing> timings = measureInTurns({[&] {
                                                            query.Open();
                                                            datasetRows = query.RecordCount();
                                                            query.Close();
                                                        },
                                                        [&] { raw = stepAll(connection.handle(), sql); }});
    const Timing& dataset = timings[0];
    const Timing& engine = timings[1];

    std::printf("  %-56s %13s %13s\n", "", "median", "min");
    printTiming("QueryDataset Open + Close", dataset);
    printTiming("raw engine, same statement", engine);
    std::printf("  %-56s %10d / %lld\n", "rows (dataset / raw engine)", datasetRows, raw.rows);
    printTarget("ratio dataset / raw engine (medians)", dataset.median / engine.median, "x", 1.5);
    printInfo("ratio dataset / raw engine (mins)", dataset.min / engine.min, "x");
}

struct StartupSample
{
    double fromProcessStart = 0; // milliseconds
    double fromMain = 0;
};

// Runs the program's start-up once in a child process; returns false when the
// child did not reach the main window's event loop.
bool runStartupChild(const QString& folder, StartupSample& sample, QString& childErrors)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(folder);
    const qint64 started = realtimeNs();
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(StartupChildOption)});
    if (!child.waitForStarted()) {
        childErrors = child.errorString();
        return false;
    }
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        childErrors = QStringLiteral("the child did not finish within two minutes");
        return false;
    }
    childErrors = QString::fromLocal8Bit(child.readAllStandardError());
    const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 || times.size() != 2)
        return false;
    const qint64 mainEntry = times[0].toLongLong();
    const qint64 loop = times[1].toLongLong();
    sample.fromProcessStart = double(loop - started) / 1e6;
    sample.fromMain = double(loop - mainEntry) / 1e6;
    return true;
}

void benchStartup(Connection& connection, const QString& folder)
{
    printSection("(b) Start-up to the main window's event loop");
    const size_t statementCount = std::size(StartupStatements);
    std::vector<double> fromStart, fromMain, totals;
    std::vector<std::vector<double>> samples(statementCount);
    std::vector<qint64> rows(statementCount);
    // Child and raw statements take turns; round 0 is the untimed one.
    for (int round = 0; round <= StartupRepetitions; ++round) {
        StartupSample sample;
        QString errors;
        if (!runStartupChild(folder, sample, errors)) {
            std::printf("  the start-up child failed:\n%s\n", qPrintable(errors));
            return;
        }
        if (round == 0 && !errors.trimmed().isEmpty())
            std::printf("  messages of the first child:\n%s\n", qPrintable(errors.trimmed()));
        double total = 0;
        for (size_t i = 0; i < statementCount; ++i) {
            const auto start = std::chrono::steady_clock::now();
            rows[i] = stepAll(connection.handle(), StartupStatements[i]).rows;
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            total += ms;
            if (round > 0)
                samples[i].push_back(ms);
        }
        if (round > 0) {
            fromStart.push_back(sample.fromProcessStart);
            fromMain.push_back(sample.fromMain);
            totals.push_back(total);
        }
    }
    const Timing process = summarize(fromStart);
    const Timing inProcess = summarize(fromMain);
    const Timing engine = summarize(totals);

    std::printf("  %-56s %13s %13s\n", "", "median", "min");
    printTiming("process start -> event loop", process);
    printTiming("main() -> event loop, inside the child", inProcess);
    printTiming("raw engine, the four start-up statements together", engine);
    for (size_t i = 0; i < samples.size(); ++i) {
        const QByteArray line = QByteArray(StartupStatements[i]).replace("\r\n", " ").left(44);
        const QByteArray label = "  " + line + " (" + QByteArray::number(rows[i]) + " rows)";
        printTiming(label.constData(), summarize(samples[i]));
    }
    printTarget("process start -> event loop (median)", process.median, "ms", 1000);
    printTarget("ratio start-up / raw engine (medians)", process.median / engine.median, "x", 2.0);
    printInfo("ratio main() -> loop / raw engine (medians), for scale", inProcess.median / engine.median,
              "x");
}

void benchSnapshotMemory(Connection& connection)
{
    printSection("(c) Memory of a snapshot of the whole Phone table");
    TableDataset phone(QStringLiteral("BenchPhone"), connection, QStringLiteral("Phone"));
    // A first open fills SQLite's page cache and the dataset's one-off
    // allocations, which a second snapshot does not add again.
    phone.Open();
    phone.Close();
    const size_t before = heapInUse();
    phone.Open();
    const size_t after = heapInUse();
    const int rows = phone.RecordCount();
    phone.Close();

    const RawRead stored = stepAll(connection.handle(), "SELECT * FROM Phone");
    std::printf("  %-56s %10d\n", "rows in the snapshot", rows);
    printInfo("heap growth with the snapshot open", double(after - before) / (1024 * 1024), "MiB");
    printTarget("heap growth per row", double(after - before) / std::max(rows, 1), "B", 600);
    printInfo("stored text bytes per row (UTF-8, for scale)",
              double(stored.textBytes) / double(std::max<qint64>(stored.rows, 1)), "B");
}

void compareLike(Connection& persian, sqlite3* plain, const char* label, const QByteArray& sql)
{
    RawRead persianRead, plainRead;
    const std::vector<Timing> timings = measureInTurns(
        {[&] { persianRead = stepAll(persian.handle(), sql); }, [&] { plainRead = stepAll(plain, sql); }});
    const Timing& withPersian = timings[0];
    const Timing& builtIn = timings[1];
    std::printf("  %s\n", label);
    printTiming("  Persian LIKE", withPersian);
    printTiming("  built-in LIKE", builtIn);
    std::printf("  %-56s %10lld / %lld\n", "  rows (Persian / built-in)", persianRead.rows, plainRead.rows);
    printTarget("  ratio Persian / built-in (medians)", withPersian.median / builtIn.median, "x", 1.5);
    printInfo("  ratio Persian / built-in (mins)", withPersian.min / builtIn.min, "x");
}

void benchLike(Connection& persian, const QString& path)
{
    printSection("(d) Persian LIKE against SQLite's built-in LIKE (raw engine, no ORDER BY)");
    sqlite3* plain = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &plain, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::printf("  cannot open a plain connection: %s\n", sqlite3_errmsg(plain));
        sqlite3_close(plain);
        return;
    }
    std::printf("  %-56s %13s %13s\n", "", "median", "min");
    compareLike(persian, plain, "one letter: select * from phone where (name like '%ا%')",
                "select * from phone where (name like '%ا%')");
    compareLike(persian, plain, "three letters: select * from phone where (name like '%کری%')",
                "select * from phone where (name like '%کری%')");
    sqlite3_close(plain);
}

double worst(const std::vector<double>& samples)
{
    return *std::max_element(samples.begin(), samples.end());
}

// Types text's last letter into edit and times the key release that runs the search,
// until the grid knows its rows; the raw engine steps the statement the window ran
// in turn with it.
double benchSearchKey(const char* label, LabeledEdit* edit, const QString& text, const QueryDataset& result)
{
    const QString letter = text.right(1);
    edit->setFocus();
    std::vector<double> window, engine;
    int gridRows = 0;
    RawRead raw;
    for (int round = 0; round <= KeyReleases; ++round) {
        edit->setText(text.chopped(1));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, letter);
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, letter);
        auto start = std::chrono::steady_clock::now();
        QApplication::sendEvent(edit, &release);
        gridRows = FormSearch->DBGrid1->model()->rowCount();
        const double windowMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        // What the event loop would do between two keys, untimed.
        QCoreApplication::processEvents();

        const QByteArray sql = result.SQL.Text().toUtf8();
        start = std::chrono::steady_clock::now();
        raw = stepAll(DM->ADOConnection.handle(), sql);
        const double engineMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (round > 0) {
            window.push_back(windowMs);
            engine.push_back(engineMs);
        }
    }
    const Timing windowTiming = summarize(window);
    const Timing engineTiming = summarize(engine);
    std::printf("  %s\n", label);
    std::printf("  %-56s %10.1f ms %10.1f ms\n", "  key release -> grid rows", windowTiming.median,
                worst(window));
    std::printf("  %-56s %10.1f ms %10.1f ms\n", "  raw engine, same statement", engineTiming.median,
                worst(engine));
    std::printf("  %-56s %10d / %lld\n", "  rows (grid / raw engine)", gridRows, raw.rows);
    printTarget("  ratio window / raw engine (medians)", windowTiming.median / engineTiming.median, "x", 1.5);
    return windowTiming.median;
}

// The child of (e): the whole program on the database of the bench, the search
// window shown by the main window's search command.
int searchChild(int& argc, char** argv)
{
    Application application(argc, argv);
    CreateProgramObjects();
    Form2->close();
    delete Form2;
    Form2 = nullptr;
    FormMain->Show();
    FormMain->Label5Click();
    QCoreApplication::processEvents();

    std::printf("  %-56s %13s %13s\n", "", "median", "worst");
    benchSearchKey("one letter typed into the name edit: 'ا'", FormSearch->ESearch, QStringLiteral("ا"),
                   *DM->QuerySearch);
    const double threeLetters = benchSearchKey("three letters typed into the name edit: 'کری'",
                                               FormSearch->ESearch, QStringLiteral("کری"), *DM->QuerySearch);
    printTarget("  three letters: key release -> grid rows (median)", threeLetters, "ms", 50);
    benchSearchKey("group edit: 'دوست'", FormSearch->EditSearchCode, QStringLiteral("دوست"), *DM->ADOQuery2);
    DestroyProgramObjects();
    return 0;
}

void benchSearchWindow(const QString& folder)
{
    printSection("(e) Search window: key release to the grid showing the result (offscreen)");
    std::fflush(stdout);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(folder);
    child.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(SearchChildOption)});
    if (!child.waitForStarted() || !child.waitForFinished(600000) || child.exitCode() != 0)
        std::printf("  the search window child failed: %s\n%s\n", qPrintable(child.errorString()),
                    child.readAllStandardError().constData());
}

// What the entry window does with a contact chosen in a list: find its row in the
// table's snapshot, read it again from the file, and write it back only if no other
// program changed it meanwhile. The last row is the farthest for the search.
void benchChosenContact(Connection& connection)
{
    printSection("(f) A chosen contact found by its row, read again and written (last row)");
    TableDataset phone(QStringLiteral("BenchPhone"), connection, QStringLiteral("Phone"));
    phone.Open();
    sqlite3_stmt* last = nullptr;
    sqlite3_prepare_v2(connection.handle(), "SELECT max(Row) FROM Phone", -1, &last, nullptr);
    sqlite3_step(last);
    const qint64 lastRow = sqlite3_column_int64(last, 0);
    sqlite3_finalize(last);

    int turn = 0;
    auto nextMobile = [&turn] { return QStringLiteral("0912 %1").arg(++turn); };
    const std::vector<Timing> timings = measureInTurns(
        {[&] {
             if (!phone.Locate(QStringLiteral("Row"), {lastRow}, 0) || !phone.RefreshRecord())
                 throw DatabaseError(QStringLiteral("the chosen contact is gone"));
         },
         [&] {
             phone.Edit();
             phone.setFieldValues(QStringLiteral("mobil"), nextMobile());
             phone.Post();
         },
         [&] {
             stepAll(connection.handle(), "SELECT * FROM Phone WHERE Row = " + QByteArray::number(lastRow));
         },
         [&] {
             const QByteArray sql = "UPDATE Phone SET Mobil = '" + nextMobile().toUtf8() +
                                    "' WHERE Row = " + QByteArray::number(lastRow);
             sqlite3_exec(connection.handle(), sql.constData(), nullptr, nullptr, nullptr);
         }});
    std::printf("  %-56s %13s %13s\n", "", "median", "min");
    printTiming("Locate by Row + RefreshRecord", timings[0]);
    printTiming("Edit + Post, only if unchanged since read", timings[1]);
    printTiming("raw engine: SELECT by Row", timings[2]);
    printTiming("raw engine: UPDATE by Row", timings[3]);
    printTarget("finding and reading the chosen contact", timings[0].median, "ms", 50);
    printTarget("writing it", timings[1].median, "ms", 50);
    // The program's write also compares every column read and reads the row back.
    printInfo("ratio of the writes (medians)", timings[1].median / timings[3].median, "x");
}

int runBench(const QString& folder)
{
    printHeader();

    printSection("Creating the database");
    const auto start = std::chrono::steady_clock::now();
    const QString path = CreateDatabase::create(folder, {true, GroupCount, ContactCount, 1});
    const double creation =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("  %d contacts in %d groups: %.1f ms\n", ContactCount, GroupCount, creation);

    Connection connection;
    connection.open(path);
    compareQuery(
        connection, "(a) select * / from phone / \\rorder by name",
        {QStringLiteral("select *"), QStringLiteral("from phone"), QStringLiteral("\rorder by name")});
    compareQuery(
        connection, "(a) one-letter search: name like '%ا%' order by name",
        {QStringLiteral("select * from phone where (name like '%ا%')"), QStringLiteral("order by name")});
    benchStartup(connection, folder);
    benchSnapshotMemory(connection);
    benchLike(connection, path);
    benchSearchWindow(folder);
    benchChosenContact(connection);
    return 0;
}

// Queues a call when the main window is first shown.
class MainWindowShown : public QObject
{
public:
    explicit MainWindowShown(std::function<void()> call) : m_call(std::move(call)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_call && event->type() == QEvent::Show && watched == FormMain) {
            QTimer::singleShot(0, this, std::move(m_call));
            m_call = nullptr;
        }
        return false;
    }

private:
    std::function<void()> m_call;
};

// The child of (b): the program's own start-up, ended as soon as the main
// window's event loop dispatches its first event.
int startupChild(int& argc, char** argv, qint64 mainEntry)
{
    Application application(argc, argv);
    // The splash lets the window system map it during start-up, which runs
    // queued calls early; so the measuring call is queued only once the main
    // window is shown, right before the event loop starts.
    MainWindowShown shown([mainEntry] {
        const qint64 loop = realtimeNs();
        std::printf("%lld %lld\n", mainEntry, loop);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    application.installEventFilter(&shown);
    return RunProgram();
}

} // namespace

int main(int argc, char** argv)
{
    const qint64 mainEntry = realtimeNs();
    if (argc > 1 && std::strcmp(argv[1], StartupChildOption) == 0)
        return startupChild(argc, argv, mainEntry);
    if (argc > 1 && std::strcmp(argv[1], SearchChildOption) == 0)
        return searchChild(argc, argv);

    QCoreApplication application(argc, argv);
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n", qPrintable(folder.errorString()));
        return 1;
    }
    try {
        return runBench(folder.path());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "storebench: %s\n", error.what());
        return 1;
    }
}
