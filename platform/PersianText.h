#pragma once

#include <string_view>

struct sqlite3;

// Text rules for Persian data inside SQLite: the LIKE operator and the
// collation that a connection installs over SQLite's built-in ones.
namespace PersianText {

// Folds a code point for matching: letter case is ignored, and the Arabic yeh
// (U+064A), alef maksura (U+0649) and kaf (U+0643) count as the Persian yeh
// (U+06CC) and kaf (U+06A9) that a Persian keyboard types.
char32_t fold(char32_t c);

// SQL LIKE over UTF-8 texts with % and _ wildcards and an optional escape
// character (0 for none), comparing folded code points.
bool like(std::string_view pattern, std::string_view text, char32_t escape = 0);

// Replaces LIKE (two and three arguments) and the NOCASE collation on db.
// NOCASE orders by the Persian alphabet (ICU's fa_IR rules), so that
// "order by name" puts پ after ب, چ after ج, ژ after ز and گ after ک.
void install(sqlite3* db);

} // namespace PersianText
