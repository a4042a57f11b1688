// Makes the README's pictures: starts the whole program on a demo database,
// saves a PNG of each window and writes one PDF of each printed layout.
// Usage: screenshot_maker OUTPUT_FOLDER

#include "Application.h"
#include "CreateDatabase.h"
#include "DatabaseError.h"
#include "Field.h"
#include "LabeledEdit.h"
#include "QueryDataset.h"
#include "Startup.h"
#include "Unit2.h"
#include "UnitDM.h"
#include "UnitGroup.h"
#include "UnitListGroup.h"
#include "UnitMain.h"
#include "UnitRepList.h"
#include "UnitReport.h"
#include "UnitSabt.h"
#include "UnitSearch.h"
#include "Unitnama.h"
#include "UnitrepGroup.h"

#include <QDir>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool saveWindow(QWidget* window, const QDir& output, const QString& name)
{
    window->show();
    window->raise();
    settle();
    const bool saved = window->grab().save(output.filePath(name + QStringLiteral(".png")));
    window->hide();
    settle();
    return saved;
}

void writeReport(BandReport* report, const QDir& output, const QString& name)
{
    QPdfWriter pdf(output.filePath(name + QStringLiteral(".pdf")));
    BandReport::print(report->build(), pdf);
}

} // namespace

int main(int argc, char** argv)
{
    Application application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot_maker OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir output(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    if (!output.exists() && !QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(output.path()));
        return 1;
    }
    QTemporaryDir store;
    try {
        CreateDatabase::create(store.path(), CreateDatabase::Options{.demo = true});
        QDir::setCurrent(store.path());
        OpenedFromMain = 0;
        CreateProgramObjects();
    } catch (const DatabaseError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        return 1;
    }
    Form2->close();
    delete Form2;
    Form2 = nullptr;

    // Opened as the main window's commands open them, on the demo rows.
    DM->QuerySearch->setActive(true);
    DM->QueryMaster->setActive(true);
    DM->QueryDetail->setActive(false);
    DM->QueryDetail->setActive(true);
    bool saved = saveWindow(FormMain, output, QStringLiteral("main-window"));
    saved = saveWindow(FSabt, output, QStringLiteral("contact-entry")) && saved;
    saved = saveWindow(FormGroup, output, QStringLiteral("group-window")) && saved;
    saved = saveWindow(FListGroup, output, QStringLiteral("group-picker")) && saved;
    FormSearch->show();
    settle();
    // A name search for the letter م, typed as the keyboard would.
    FormSearch->ESearch->setFocus();
    QTest::sendKeyEvent(QTest::Press, FormSearch->ESearch, Qt::Key_unknown, QStringLiteral("م"),
                        Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, FormSearch->ESearch, Qt::Key_unknown, QStringLiteral("م"),
                        Qt::NoModifier);
    saved = saveWindow(FormSearch, output, QStringLiteral("search-window")) && saved;
    saved = saveWindow(Form1, output, QStringLiteral("display-by-group")) && saved;

    DM->QuerySearch->First();
    Report->QR1->setCaption(DM->QuerySearchCity->AsString());
    Report->QR3->setCaption(DM->QuerySearchName->AsString());
    Report->QRLabel4->setCaption(QString());
    Report->QR4->setCaption(DM->QuerySearchMobil->AsString());
    Report->QR5->setCaption(DM->QuerySearchPostcod->AsString());
    writeReport(Report, output, QStringLiteral("report-envelope"));
    writeReport(RepList, output, QStringLiteral("report-contact-list"));
    writeReport(RepGroup, output, QStringLiteral("report-group-sheet"));

    DestroyProgramObjects();
    QDir::setCurrent(output.path());
    if (!saved) {
        std::fprintf(stderr, "a window's picture could not be saved\n");
        return 1;
    }
    return 0;
}
