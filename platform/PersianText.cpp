#include "PersianText.h"

#include <QChar>
#include <algorithm>
#include <cstring>
#include <sqlite3.h>
#include <unicode/ucol.h>

namespace PersianText {
namespace {

constexpr char32_t AnyRun = 0x110000; // %
constexpr char32_t AnyOne = 0x110001; // _

// Decodes one code point and advances; a malformed byte stands for itself.
char32_t decode(const unsigned char*& s, const unsigned char* end)
{
    const unsigned char b = *s++;
    if (b < 0x80)
        return b;
    int extra = 0;
    char32_t c = 0;
    if ((b & 0xE0) == 0xC0) {
        extra = 1;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        c = b & 0x07;
    } else {
        return b;
    }
    if (end - s < extra)
        return b;
    for (int i = 0; i < extra; ++i) {
        if ((s[i] & 0xC0) != 0x80)
            return b;
        c = (c << 6) | (s[i] & 0x3F);
    }
    s += extra;
    return c;
}

char32_t nextFolded(const unsigned char*& s, const unsigned char* end)
{
    return fold(decode(s, end));
}

// Greedy wildcard match with one backtracking point for the last %; each
// text position is decoded again after a backtrack, so no buffer is needed.
bool match(const char32_t* p, const char32_t* pEnd, const unsigned char* s, const unsigned char* sEnd)
{
    const char32_t* starP = nullptr;
    const unsigned char* starS = nullptr;
    while (s < sEnd) {
        if (p < pEnd && *p == AnyRun) {
            starP = ++p;
            starS = s;
            continue;
        }
        if (p < pEnd) {
            const char32_t c = nextFolded(s, sEnd);
            if (*p == AnyOne || *p == c) {
                ++p;
                continue;
            }
        }
        if (!starP)
            return false;
        s = starS;
        decode(s, sEnd);
        starS = s;
        p = starP;
    }
    while (p < pEnd && *p == AnyRun)
        ++p;
    return p == pEnd;
}

// A pattern compiled to folded code points and wildcard markers.
struct CompiledPattern
{
    std::u32string symbols;
};

CompiledPattern compile(std::string_view pattern, char32_t escape)
{
    CompiledPattern compiled;
    auto s = reinterpret_cast<const unsigned char*>(pattern.data());
    const auto end = s + pattern.size();
    while (s < end) {
        const char32_t c = decode(s, end);
        if (escape && c == escape && s < end)
            compiled.symbols.push_back(fold(decode(s, end)));
        else if (c == '%')
            compiled.symbols.push_back(AnyRun);
        else if (c == '_')
            compiled.symbols.push_back(AnyOne);
        else
            compiled.symbols.push_back(fold(c));
    }
    return compiled;
}

bool matchCompiled(const CompiledPattern& pattern, std::string_view text)
{
    auto s = reinterpret_cast<const unsigned char*>(text.data());
    const char32_t* p = pattern.symbols.data();
    return match(p, p + pattern.symbols.size(), s, s + text.size());
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return; // NULL, like the built-in operator
    }
    char32_t escape = 0;
    if (argc == 3) {
        const auto e = reinterpret_cast<const char*>(sqlite3_value_text(argv[2]));
        const std::string_view escapeText(e, sqlite3_value_bytes(argv[2]));
        auto s = reinterpret_cast<const unsigned char*>(escapeText.data());
        const auto end = s + escapeText.size();
        escape = escapeText.empty() ? 0 : decode(s, end);
        if (escapeText.empty() || s != end) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
    }
    // The pattern is usually a constant of the statement: compile it once and
    // keep it with the statement for the following rows.
    auto* compiled = static_cast<CompiledPattern*>(sqlite3_get_auxdata(context, 0));
    if (!compiled) {
        const auto p = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        compiled = new CompiledPattern(compile(std::string_view(p, sqlite3_value_bytes(argv[0])), escape));
        sqlite3_set_auxdata(context, 0, compiled,
                            [](void* data) { delete static_cast<CompiledPattern*>(data); });
        compiled = static_cast<CompiledPattern*>(sqlite3_get_auxdata(context, 0));
        if (!compiled) { // SQLite could not keep it and has already freed it
            const auto again = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
            const CompiledPattern local =
                compile(std::string_view(again, sqlite3_value_bytes(argv[0])), escape);
            const auto t = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
            sqlite3_result_int(context,
                               matchCompiled(local, std::string_view(t, sqlite3_value_bytes(argv[1]))));
            return;
        }
    }
    const auto t = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(context, matchCompiled(*compiled, std::string_view(t, sqlite3_value_bytes(argv[1]))));
}

int byteOrder(int aLength, const void* a, int bLength, const void* b)
{
    const int c = std::memcmp(a, b, static_cast<size_t>(std::min(aLength, bLength)));
    return c != 0 ? c : aLength - bLength;
}

int collate(void* collator, int aLength, const void* a, int bLength, const void* b)
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        ucol_strcollUTF8(static_cast<UCollator*>(collator), static_cast<const char*>(a), aLength,
                         static_cast<const char*>(b), bLength, &status);
    if (U_FAILURE(status))
        return byteOrder(aLength, a, bLength, b);
    if (result != UCOL_EQUAL)
        return result == UCOL_LESS ? -1 : 1;
    // Equal for the alphabet but not the same bytes: keep the order total.
    return byteOrder(aLength, a, bLength, b);
}

} // namespace

char32_t fold(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    switch (c) {
    case 0x064A: // Arabic yeh
    case 0x0649: // Arabic alef maksura
        return 0x06CC;
    case 0x0643: // Arabic kaf
        return 0x06A9;
    default:
        break;
    }
    if (c >= 0x0600 && c <= 0x06FF) // Arabic script has no letter case
        return c;
    return QChar::toCaseFolded(c);
}

bool like(std::string_view pattern, std::string_view text, char32_t escape)
{
    return matchCompiled(compile(pattern, escape), text);
}

void install(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);

    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("fa_IR", &status);
    if (U_FAILURE(status))
        return; // ICU without Persian data: SQLite's own NOCASE stays
    sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, collator, collate,
                                [](void* c) { ucol_close(static_cast<UCollator*>(c)); });
}

} // namespace PersianText
