#pragma once

#include <QString>

class Dataset;

// Opens the current contact of a list in the entry window, the same way from every
// list: the thirteen edits filled from the row, only the mode's action button left
// visible, the window run modally.
class ContactOpener
{
public:
    enum class Mode
    {
        Edit,
        Delete
    };

    // nameField: the list's column with the contact's name ("Name", or "Phone.Name" in
    // a join with the groups). An empty or closed list gives empty edits.
    static void open(const Dataset& list, const QString& nameField, Mode mode);
};
