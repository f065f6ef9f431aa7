// The reply grammar: how a token is found in a reply line, where the value and its fields
// are, and how numbers and vocabulary words are read from them. Pure functions on byte
// views; nothing here reads outside the view it is given.
#pragma once

#include "state/vocabulary.h"

#include <QtGlobal>

#include <string_view>

// The device ends every token with a space or the line's CR; that byte is what stops
// "OUT TSP" from matching "OUT TSP-COLOR".
constexpr bool Reply_IsTokenEnd(char c)
{
    return c == ' ' || c == '\r';
}

// True when token occupies the bytes just before position end of text and the byte at end
// ends a token. The byte before the token is not examined ("VERSION" is found inside
// "ARM VERSION"). A token at the very end of text has no byte after it and never matches.
inline bool Reply_TokenEndsAt(std::string_view text, std::size_t end, std::string_view token)
{
    return !token.empty() && end < text.size() && end >= token.size() && Reply_IsTokenEnd(text[end])
        && text.compare(end - token.size(), token.size(), token) == 0;
}

// Position of the first match of token in text, or -1. Byte-wise and case-sensitive.
int Reply_FindToken(std::string_view text, std::string_view token);

// A piece of a reply line (the value or one field) together with the byte that ends it in
// the line, a space or CR, when the line has one. Word lookups need that byte to see where
// a word stops; text() is the piece without it.
struct ReplyPart
{
    std::string_view withEnd;
    bool hasEnd = false;

    std::string_view text() const
    {
        return hasEnd ? withEnd.substr(0, withEnd.size() - 1) : withEnd;
    }
};

// The value of a reply whose keyword starts at keywordPos: from one byte after the keyword
// up to the first CR. A keyword followed directly by CR has an empty value; so does one
// at the end of the line.
ReplyPart Reply_Value(std::string_view line, std::size_t keywordPos, std::size_t keywordSize);

// Field n (one-based) of a value: the text between the (n-1)-th and the n-th space, the
// last field running to the end of the value. A field the value does not have is empty
// and has no end byte.
ReplyPart Reply_Field(ReplyPart value, int n);

template <std::size_t N>
constexpr WordList Reply_Words(const char *const (&words)[N])
{
    return {words, static_cast<int>(N)};
}

// Index of the first word of the list, in list order, that matches in the part, or -1.
int Reply_Lookup(ReplyPart part, WordList list);

// Decimal numbers as the device writes them. Blanks (space, tab, LF) around the number are
// ignored; the signed form takes one optional '+' or '-', the unsigned form only '+'.
// Anything else, an empty text, or a value that does not fit 32 bits counts as 0 (no
// wrap-around).
qint32 Reply_ToInt32(std::string_view text);
quint32 Reply_ToUInt32(std::string_view text);
