#include "Startup.h"

#include "KeyboardLayout.h"
#include "MessageBox.h"
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

#include <QApplication>
#include <exception>

namespace {

const QString ApplicationErrorTitle = QStringLiteral("Application Error");

template <typename T> void destroy(T*& instance)
{
    delete instance;
    instance = nullptr;
}

} // namespace

// Every object lives until the program ends; they go in the reverse order of
// their making.
void DestroyProgramObjects()
{
    destroy(RepList);
    destroy(RepGroup);
    destroy(Form1);
    destroy(Report);
    destroy(FormSearch);
    destroy(FListGroup);
    destroy(FSabt);
    destroy(DM);
    destroy(FormGroup);
    destroy(Form2);
    destroy(FormMain);
}

void CreateProgramObjects()
{
    FormMain = new TFormMain;
    Form2 = new TForm2;
    Form2->show();
    Form2->setPosition(1);
    FormGroup = new TFormGroup;
    DM = new TDM;
    FSabt = new TFSabt;
    FListGroup = new TFListGroup;
    FormSearch = new TFormSearch;
    Form2->stepIt();
    Report = new TReport;
    Form2->stepIt();
    Form1 = new TForm1;
    Form2->stepIt();
    Form2->stepIt();
    RepGroup = new TRepGroup;
    Form2->stepIt();
    RepList = new TRepList;
}

int RunProgram()
{
    KeyboardLayout::install(KeyboardLayout::PersianLayoutId);
    try {
        CreateProgramObjects();
    } catch (const std::exception& error) {
        MessageBox::error(QString::fromUtf8(error.what()), ApplicationErrorTitle);
        DestroyProgramObjects();
        return 1;
    }
    Form2->close();
    destroy(Form2);
    FormMain->Show();
    const int status = QApplication::exec();
    DestroyProgramObjects();
    return status;
}
