#pragma once

#include <cstddef>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
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

// Rows read from CSV text, each field copied once into one text they share.
// Emptied for the next rows, it keeps its memory.
class TCsvBlok {
public:
    std::size_t Aantal() const { return regelnummers_.size(); }
    std::size_t AantalVelden(std::size_t rij) const { return eersteVeld_[rij + 1] - eersteVeld_[rij]; }
    std::string_view Veld(std::size_t rij, std::size_t veld) const;
    int Regelnummer(std::size_t rij) const { return regelnummers_[rij]; }
    void Leeg();

private:
    friend class TCsvLezer;
    // What the block held before a row was begun, to go back to.
    struct TStand {
        std::size_t tekst;
        std::size_t velden;
        std::size_t rijen;
    };
    TStand Stand() const { return {tekst_.size(), einden_.size(), regelnummers_.size()}; }
    void Herstel(const TStand& stand);
    void BeginRij(int regelnummer);
    void EindVeld();
    void EindRij() { eersteVeld_.push_back(einden_.size()); }

    std::string tekst_;
    std::vector<std::size_t> einden_;            // where each field ends in tekst_
    std::vector<std::size_t> eersteVeld_ = {0};  // each row's first field, and the end of the last row
    std::vector<int> regelnummers_;
};

// Reads the rows of CSV text (RFC 4180) a block at a time: a field in double
// quotes may hold the delimiter, line breaks (CR and LF kept as written) and
// doubled quotes. Lines end in LF or CRLF; empty lines and a leading
// byte-order mark are skipped, but a line of only "" is a row with one empty
// field. A file is read in parts, so memory does not grow with its length.
class TCsvLezer {
public:
    // The text of a stream, read deel bytes at a time (a row longer than that
    // is read whole all the same), with the delimiter its first line asks for
    // (see BepaalScheidingsteken).
    explicit TCsvLezer(std::istream& bron, std::size_t deel = std::size_t{1} << 16);
    // A whole text in memory.
    TCsvLezer(std::string_view tekst, char scheidingsteken);

    char Scheidingsteken() const { return scheidingsteken_; }
    // Adds up to maximum rows to blok; 0 when the text has no more. Throws
    // CsvFout for a quote that is never closed.
    std::size_t Lees(TCsvBlok& blok, std::size_t maximum);

private:
    enum class TRij { Gelezen, Leeg, Onvolledig };
    TRij LeesRij(TCsvBlok& blok);
    bool LeesQuote(TCsvBlok& blok, std::size_t& i, int& regel);
    // Reads more of the stream after what is unread; false at its end.
    bool LeesMeer();

    std::istream* bron_ = nullptr;
    std::size_t deel_ = 0;
    std::string buffer_;
    std::string_view tekst_; // what has been read and not yet taken
    bool einde_ = true;      // tekst_ holds the rest of the text
    int regel_ = 1;
    char scheidingsteken_ = ',';
};

// Reads a stream through and throws CsvFout where it is no CSV text.
void ControleerCsvTekst(std::istream& bron);

// ";" when the first line holds one, else ",": Dutch spreadsheets write ";"
// because the comma is their decimal separator.
char BepaalScheidingsteken(std::string_view tekst);

// The rows of CSV text, as TCsvLezer reads them.
std::vector<TCsvRij> LeesCsv(const std::string& tekst, char scheidingsteken);

// Appends one field to a row being written: the delimiter before it unless it
// is the first, and quotes when it holds the delimiter, a quote or a line
// break (or when leegRij says it is the only, empty field of its row, so
// that the row reads back as a row). zonderFormule puts a "'" in front of a
// text that a spreadsheet would run as a formula (see ZonderFormule).
void VoegVeldToe(std::string& regel, std::string_view veld, char scheidingsteken, bool eerste,
                 bool zonderFormule = false, bool leegRij = false);

// One row with its line end, its fields written as VoegVeldToe writes them.
std::string CsvRegel(const std::vector<std::string>& velden, char scheidingsteken);

// Whether the cell would run as a formula in a spreadsheet: a text starting
// with "=", "+", "-" or "@" that is no plain number such as "-12,50", or with
// a tab or a carriage return, which a spreadsheet may skip to find one.
bool IsFormule(std::string_view cel);
// The cell as a spreadsheet must show it: with a "'" in front of a formula.
std::string ZonderFormule(const std::string& cel);

} // namespace vkt::cli
