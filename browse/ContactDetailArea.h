#pragma once

#include "DBText.h"

#include <QLabel>
#include <array>

// The eight fields of the current contact that a list's grid leaves out, each text with
// its caption label on its right, laid out alike under the search window's grid and the
// display by group's grids.
class ContactDetailArea
{
public:
    static constexpr int Count = 8;

    // Makes the labels and texts in window, the first row at top, and hands them out
    // through labels and texts in the order mobile, factory, city, dialling prefix,
    // postal code, address lines 1 to 3. The texts are not bound yet.
    static void build(QWidget* window, int top, const QFont& labelFont, const QFont& textFont,
                      const std::array<QLabel**, Count>& labels, const std::array<DBText**, Count>& texts);
};
