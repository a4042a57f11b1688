// Builds the contact list of 10 000 contacts and the address sheet of a
// 1 000-contact group and writes them to PDF, printing pages per second.
#include "Application.h"
#include "BandReport.h"
#include "CreateDatabase.h"
#include "QueryDataset.h"
#include "Startup.h"
#include "Unit2.h"
#include "UnitDM.h"
#include "UnitRepList.h"
#include "UnitrepGroup.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>

namespace {

constexpr int Repeats = 5;
constexpr double TargetPagesPerSecond = 100;

struct Timing
{
    double buildMs;
    double writeMs;
    int pages;
};

Timing measure(BandReport& report, const QString& pdfPath)
{
    QElapsedTimer timer;
    timer.start();
    const QList<ReportPage> pages = report.build();
    const double buildMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    QPdfWriter pdf(pdfPath);
    BandReport::print(pages, pdf);
    return {buildMs, timer.nsecsElapsed() / 1e6, int(pages.size())};
}

void report(const char* title, BandReport& layout, const QString& pdfPath)
{
    std::vector<Timing> runs;
    for (int i = 0; i < Repeats; ++i)
        runs.push_back(measure(layout, pdfPath));
    std::sort(runs.begin(), runs.end(),
              [](const Timing& a, const Timing& b) { return a.buildMs + a.writeMs < b.buildMs + b.writeMs; });
    const Timing& median = runs[runs.size() / 2];
    const double total = median.buildMs + median.writeMs;
    const double pagesPerSecond = median.pages / (total / 1000);
    std::printf("%s\n", title);
    std::printf("  pages %d; build %.1f ms, write PDF %.1f ms, together %.1f ms (median of %d)\n",
                median.pages, median.buildMs, median.writeMs, total, Repeats);
    std::printf("  %.0f pages per second    target >= %.0f    %s\n", pagesPerSecond, TargetPagesPerSecond,
                pagesPerSecond >= TargetPagesPerSecond ? "ok" : "under");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    QTemporaryDir folder;
    CreateDatabase::Options options;
    options.demo = true;
    options.groupCount = 10;
    options.contactCount = 10000;
    const QString path = CreateDatabase::create(folder.path(), options);
    {
        // Group 1 gets exactly the first 1 000 contacts.
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, "UPDATE Phone SET Code = CASE WHEN Row <= 1000 THEN 1 ELSE 2 END", nullptr, nullptr,
                     nullptr);
        sqlite3_close(db);
    }
    QDir::setCurrent(folder.path());
    CreateProgramObjects();
    delete Form2;
    Form2 = nullptr;

    DM->QuerySearch->Open();
    std::printf("contact list over %d contacts, by name\n", DM->QuerySearch->RecordCount());
    report("(list) contact list to PDF", *RepList, folder.filePath("list.pdf"));

    DM->QueryMaster->Open();
    DM->QueryDetail->setActive(false);
    DM->QueryDetail->setActive(true);
    std::printf("group sheet over the %d contacts of group %s\n", DM->QueryDetail->RecordCount(),
                qPrintable(DM->QueryMasterCode->AsString()));
    report("(group) group address sheet to PDF", *RepGroup, folder.filePath("group.pdf"));
    DestroyProgramObjects();
    return 0;
}
