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
// line break is quoted.
std::string CsvRegel(const std::vector<std::string>& velden, char scheidingsteken);

} // namespace vkt::cli
