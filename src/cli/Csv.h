#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace vkt::cli {

// A file that is no CSV text, such as a quote that is never closed.
class CsvFout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TCsvRij {
    int Regelnummer = 0; // the line of the file on which the row begins
    std::vector<std::string> Velden;
};

// ";" when the first line holds one, else ",": Dutch spreadsheets write ";"
// because the comma is their decimal separator.
char BepaalScheidingsteken(const std::string& tekst);

// The rows of CSV text (RFC 4180): a field in double quotes may hold the
// delimiter, line breaks (CR and LF kept as written) and doubled quotes.
// Lines end in LF or CRLF; empty lines and a leading byte-order mark are
// skipped, but a line of only "" is a row with one empty field.
std::vector<TCsvRij> LeesCsv(const std::string& tekst, char scheidingsteken);

// One row with its line end; a field holding the delimiter, a quote or a
// line break is quoted, and so is the only field of a row when it is empty,
// so that the row reads back as a row.
std::string CsvRegel(const std::vector<std::string>& velden, char scheidingsteken);

// The cell as a spreadsheet must show it: a text starting with "=", "+", "-"
// or "@" would run as a formula, so it gets a "'" in front; a plain number
// such as "-12,50" stays as it is.
std::string ZonderFormule(const std::string& cel);

} // namespace vkt::cli
