#pragma once

#include "Startup.h"
#include "TestDatabase.h"
#include "Unit2.h"
#include "UnitMain.h"

#include <QDir>

// The whole program on a fresh database, as start-up leaves it just before
// the event loop: every window, the data module and the reports exist, the
// splash is gone. Rows given to the database are in place before start-up.
class TestProgram
{
public:
    explicit TestProgram(const std::function<void(TestDatabase&)>& fill = {})
    {
        if (fill)
            fill(m_store);
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_store.folder());
        OpenedFromMain = 0; // as at the start of the program
        CreateProgramObjects();
        Form2->close();
        delete Form2;
        Form2 = nullptr;
    }

    ~TestProgram()
    {
        DestroyProgramObjects();
        QDir::setCurrent(m_previousFolder);
    }

    TestDatabase& store() { return m_store; }

private:
    TestDatabase m_store;
    QString m_previousFolder;
};
