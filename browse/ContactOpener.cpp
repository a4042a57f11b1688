#include "ContactOpener.h"

#include "BitBtn.h"
#include "Dataset.h"
#include "LabeledEdit.h"
#include "UnitSabt.h"

void ContactOpener::open(const Dataset& list, const QString& nameField, Mode mode)
{
    // Shown for a new contact, the window may hold the user's typing: it is left as it
    // is, and the modal run refuses to start as it does for any window already shown.
    if (!FSabt->isVisible()) {
        const QList<std::pair<LabeledEdit*, QString>> edits = {
            {FSabt->name, nameField},
            {FSabt->code, QStringLiteral("code")},
            {FSabt->home, QStringLiteral("home")},
            {FSabt->company, QStringLiteral("company")},
            {FSabt->fax, QStringLiteral("fax")},
            {FSabt->mobil, QStringLiteral("mobil")},
            {FSabt->factory, QStringLiteral("factory")},
            {FSabt->pish, QStringLiteral("pish")},
            {FSabt->postcod, QStringLiteral("postcod")},
            {FSabt->city, QStringLiteral("city")},
            {FSabt->ad1, QStringLiteral("ad1")},
            {FSabt->ad2, QStringLiteral("ad2")},
            {FSabt->ad3, QStringLiteral("ad3")},
        };
        for (const auto& [edit, field] : edits)
            edit->setText(list.FieldByName(field).AsString());
        FSabt->BitBtn4->hide();
        FSabt->BitBtn2->setVisible(mode == Mode::Edit);
        FSabt->BitBtn3->setVisible(mode == Mode::Delete);
    }
    FSabt->ShowModal();
}
