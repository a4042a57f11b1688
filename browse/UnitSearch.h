#pragma once

#include "Form.h"

class BitBtn;
class DBGrid;
class DBText;
class DataSource;
class Dataset;
class LabeledEdit;
class QLabel;

// Finds contacts while the user types, by part of the name or by part of the group's
// name, lists them in a grid with the current contact's other fields below, and opens
// the contact the grid shows in the entry window to change or delete it. Created once
// and only hidden between uses, so typed texts, bindings and statements carry over.
class TFormSearch : public Form
{
    Q_OBJECT

public:
    explicit TFormSearch(QWidget* parent = nullptr);

    LabeledEdit* ESearch;
    LabeledEdit* EditSearchCode;
    BitBtn* BitBtn4;
    BitBtn* BitBtn3;
    BitBtn* BitBtn5;
    BitBtn* BitBtn2;
    BitBtn* BitBtn1;
    QLabel* Label1;
    DBGrid* DBGrid1;
    QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    DBText *DBText1, *DBText2, *DBText3, *DBText4, *DBText5, *DBText6, *DBText7, *DBText8;

    void ESearchKeyUp();
    void EditSearchCodeKeyUp();
    void DBGrid1KeyPress(QKeyEvent* key);
    void DBGrid1KeyDown(QKeyEvent* key);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();

protected:
    void FormShortCut(QKeyEvent* key) override;
    void FormCloseRequest() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BitBtn* addButton(const QString& objectName, const QString& caption, const QRect& geometry,
                      const QFont& font, const QIcon& picture);
    // Grid and detail texts show the name-search result, columns 1 and 2 its Code and Name.
    void showNameResult();
    // Grid and detail texts show the group-search result.
    void showGroupResult();
    void bindDisplay(DataSource* source);
    void showAllContacts(const QStringList& lines);
    // The list the grid shows: the name-search or the group-search result.
    bool showsGroupResult() const;
    Dataset& shownContacts() const;
    QString shownNameField() const;
    void openShownContact(bool forDeletion);

    QList<DBText*> m_detailTexts;
};

extern TFormSearch* FormSearch;

// The first line of the statement that the latest name search or show-all button gave
// the name-search result.
extern QString SearchStatementFirstLine;
