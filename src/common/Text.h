#pragma once

#include <string>
#include <string_view>

namespace vkt {

std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
// Equal but for the case of ASCII letters, whatever the locale: the names
// compared are the program's own.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// An ASCII letter in lower case; any other byte as it is.
inline char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }
// Upper case for UTF-8 text: ASCII letters and the accented letters of Latin-1.
std::string ToUpperUtf8(std::string_view text);

// The text without blanks and control characters at either end.
std::string Trim(std::string_view text);
// The same part of the text itself, without a copy.
std::string_view TrimView(std::string_view text);

// The number of characters (code points) of UTF-8 text, and its first n
// characters; fixed-pitch layouts count characters, not bytes.
std::size_t Utf8Length(std::string_view text);
std::string Utf8Left(std::string_view text, std::size_t n);

// Text as a terminal can show it: control characters (C0, DEL, C1 and the
// line and paragraph separators) written as \t, \n, \r or \xHH, and every
// byte that is no well-formed UTF-8 as \xHH. A NUL byte is \x00, so that no
// message that holds the text ends there.
std::string ZichtbareTekst(std::string_view text);
// The same for a text of lines, such as a message: its line breaks stay.
std::string ZichtbareRegels(std::string_view text);

// The most characters of a value that a message quotes, and of a file's
// name: a name is quoted whole up to the longest path the system opens.
constexpr std::size_t kCitaatLengte = 80;
constexpr std::size_t kPadCitaatLengte = 4096;

// A value as a message quotes it: in single quotes, shown as ZichtbareTekst
// shows it and, when longer than lengte characters, cut short with "…" and
// followed by the length of the whole value ("'aaa…' (131.072 tekens)"), so
// that a message stays a line however long the value is.
std::string Citaat(std::string_view waarde, std::size_t lengte = kCitaatLengte);
// A file's name as a message quotes it.
inline std::string CitaatPad(std::string_view pad) { return Citaat(pad, kPadCitaatLengte); }

// What the operating system's error number means, in Dutch ("de schijf is
// vol"); an unlisted one as "systeemfout N".
std::string Systeemfout(int code);

// The shortest text that reads back as the same double, with "." as decimal
// separator ("1680", "0.02812").
std::string ShortestNumber(double value);

} // namespace vkt
