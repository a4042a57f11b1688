#pragma once

#include "Form.h"

#include <QList>
#include <QPair>

class BitBtn;
class LabeledEdit;
class QLabel;

// The one window in which a contact is typed in and added, changed or deleted.
// Its mode is which action button the caller leaves visible: BitBtn4 adds (the
// window is shown without a modal run and stays open for the next contact),
// BitBtn2 overwrites and BitBtn3 deletes the contact found, when the window is
// shown, by the group code and name the caller wrote into the edits (both run
// modally). Other windows fill the edits and set the buttons before showing it.
class TFSabt : public Form
{
    Q_OBJECT

public:
    explicit TFSabt(QWidget* parent = nullptr);

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
    // Fills the pending row of TableSabt from the edits and posts it; gives the row up
    // when a step fails, before the error goes on.
    void postContactFields();
    void clearEdits();
    void rerunSearchResults();

    // The 13 edits in tab order.
    QList<LabeledEdit*> m_edits;
    // The text fields in the order they are written, with the edit of the same name.
    QList<QPair<QString, LabeledEdit*>> m_textFields;
    // Whether the showing found the contact that edit mode and delete mode act on.
    bool m_contactLocated = false;
    // The group picker has just closed; its pick, not the reactivation, places the focus.
    bool m_backFromGroupPicker = false;
};

extern TFSabt* FSabt;
