#pragma once

#include "Form.h"

#include <QList>
#include <QPair>
#include <optional>

class BitBtn;
class Dataset;
class LabeledEdit;
class QLabel;

// The one window in which a contact is typed in and added, changed or deleted.
// Its mode is which action button is visible: BitBtn4 adds (the window is
// shown without a modal run and stays open for the next contact), BitBtn2
// overwrites and BitBtn3 deletes the contact chosen in a list (both run
// modally). The list hands over the chosen row's identity with its texts, and
// the window acts on that row as the file holds it when the window is shown.
class TFSabt : public Form
{
    Q_OBJECT

public:
    enum class ListAction
    {
        Edit,
        Delete
    };

    explicit TFSabt(QWidget* parent = nullptr);

    // The main window's add command: new-contact mode, shown without a modal run.
    void ShowForNewContact();
    // Edit or delete mode for the current row of list, run modally. nameField is
    // the list's column with the contact's name ("Name", or "Phone.Name" in a join
    // with the groups); an empty or closed list leaves every edit empty and no
    // contact chosen. While the window is shown for a new contact its typing is
    // left alone, and the modal run refuses to start.
    void ShowModalForContact(const Dataset& list, const QString& nameField, ListAction action);
    // The group picker's choice: its code and name, and the focus to the name.
    void setPickedGroup(const QString& groupCode, const QString& groupName);

    QLabel* ngroup;
    LabeledEdit* code;
    LabeledEdit* name;
    LabeledEdit* home;
    LabeledEdit* company;
    LabeledEdit* fax;
    LabeledEdit* mobil;
    LabeledEdit* factory;
    LabeledEdit* pish;
    LabeledEdit* postcod;
    LabeledEdit* city;
    LabeledEdit* ad1;
    LabeledEdit* ad2;
    LabeledEdit* ad3;
    BitBtn* BitBtn4;
    BitBtn* BitBtn2;
    BitBtn* BitBtn3;
    BitBtn* BitBtn1;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    void FormShortCut(QKeyEvent* key) override;
    void FormCloseRequest() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void codeKeyPress(QKeyEvent* key);
    void nameKeyPress(QKeyEvent* key);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

    LabeledEdit* addEdit(const QString& objectName, const QString& caption, const QRect& geometry);
    BitBtn* addButton(const QString& objectName, const QString& caption, const QRect& geometry,
                      const QIcon& picture, int modalResult);
    void setMode(BitBtn* actionButton);
    // Makes the chosen contact TableSabt's current row, read again from the file;
    // false when the file no longer holds it.
    bool locateChosenContact();
    // Whether TableSabt stands on the contact chosen in the list.
    bool chosenContactIsCurrent() const;
    // Fills the pending row of TableSabt from the edits and posts it; gives the row up
    // when a step fails, before the error goes on.
    void postContactFields();
    void clearEdits();
    void rerunSearchResults();

    // The 13 edits in tab order.
    QList<LabeledEdit*> m_edits;
    // The text fields in the order they are written, with the edit of the same name.
    QList<QPair<QString, LabeledEdit*>> m_textFields;
    // The edits with the field each carries, in the order a list fills them.
    QList<QPair<LabeledEdit*, QString>> m_listFields;
    // Row of the contact chosen in a list, until the window closes.
    std::optional<qint64> m_chosenRow;
    // The group picker has just closed; its pick, not the reactivation, places the focus.
    bool m_backFromGroupPicker = false;
};

extern TFSabt* FSabt;
