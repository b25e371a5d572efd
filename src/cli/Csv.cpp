#include "cli/Csv.h"

#include "model/Getallen.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <istream>
#include <limits>

namespace vkt::cli {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

} // namespace

std::string_view TCsvBlok::Veld(std::size_t rij, std::size_t veld) const
{
    const std::size_t i = eersteVeld_[rij] + veld;
    const std::size_t begin = i == 0 ? 0 : einden_[i - 1];
    return std::string_view(tekst_).substr(begin, einden_[i] - begin);
}

void TCsvBlok::Leeg()
{
    tekst_.clear();
    einden_.clear();
    eersteVeld_.assign(1, 0);
    regelnummers_.clear();
}

void TCsvBlok::Herstel(const TStand& stand)
{
    tekst_.resize(stand.tekst);
    einden_.resize(stand.velden);
    regelnummers_.resize(stand.rijen);
    eersteVeld_.resize(stand.rijen + 1);
}

void TCsvBlok::BeginRij(int regelnummer) { regelnummers_.push_back(regelnummer); }

void TCsvBlok::EindVeld() { einden_.push_back(tekst_.size()); }

TCsvLezer::TCsvLezer(std::istream& bron, std::size_t deel) : bron_(&bron), deel_(deel), einde_(false)
{
    // The first line decides the delimiter; read on until it is whole.
    while (tekst_.find('\n') == std::string_view::npos && LeesMeer()) {
    }
    scheidingsteken_ = BepaalScheidingsteken(tekst_);
    if (tekst_.starts_with(kBom))
        tekst_.remove_prefix(kBom.size());
}

TCsvLezer::TCsvLezer(std::string_view tekst, char scheidingsteken) : tekst_(tekst), scheidingsteken_(scheidingsteken)
{
    if (tekst_.starts_with(kBom))
        tekst_.remove_prefix(kBom.size());
}

bool TCsvLezer::LeesMeer()
{
    if (einde_)
        return false;
    // Keep what is unread at the front, then fill the rest of the buffer.
    const std::size_t over = tekst_.size();
    if (over > 0)
        std::memmove(buffer_.data(), tekst_.data(), over);
    buffer_.resize(std::max(buffer_.size(), over + deel_));
    bron_->read(buffer_.data() + over, static_cast<std::streamsize>(buffer_.size() - over));
    const auto gelezen = static_cast<std::size_t>(bron_->gcount());
    einde_ = gelezen == 0;
    tekst_ = std::string_view(buffer_).substr(0, over + gelezen);
    return !einde_;
}

std::size_t TCsvLezer::Lees(TCsvBlok& blok, std::size_t maximum)
{
    std::size_t aantal = 0;
    while (aantal < maximum && !(tekst_.empty() && einde_)) {
        switch (LeesRij(blok)) {
        case TRij::Gelezen: ++aantal; break;
        case TRij::Leeg: break;
        case TRij::Onvolledig: LeesMeer(); break;
        }
    }
    return aantal;
}

// A quoted part runs to the quote that is not doubled; false when the text
// ends before that is known and more of it follows.
bool TCsvLezer::LeesQuote(TCsvBlok& blok, std::size_t& i, int& regel)
{
    const int begin = regel;
    for (++i;;) {
        const std::size_t quote = std::min(tekst_.find('"', i), tekst_.size());
        const std::string_view stuk = tekst_.substr(i, quote - i);
        regel += static_cast<int>(std::count(stuk.begin(), stuk.end(), '\n'));
        blok.tekst_ += stuk;
        i = quote;
        if (i + 1 >= tekst_.size() && !einde_)
            return false;
        if (i >= tekst_.size())
            throw CsvFout("het aanhalingsteken op regel " + std::to_string(begin) + " wordt niet gesloten.");
        if (i + 1 >= tekst_.size() || tekst_[i + 1] != '"')
            break;
        blok.tekst_ += '"';
        i += 2;
    }
    ++i;
    return true;
}

TCsvLezer::TRij TCsvLezer::LeesRij(TCsvBlok& blok)
{
    const TCsvBlok::TStand stand = blok.Stand();
    const auto onvolledig = [&] {
        blok.Herstel(stand);
        return TRij::Onvolledig;
    };
    std::size_t i = 0;
    int regel = regel_;
    bool gequoteerd = false; // a line holding only "" is a row with one empty field
    blok.BeginRij(regel);
    for (;;) {
        // Where the quoted part of the field ends: only a CR after it can
        // belong to a CRLF line end.
        std::size_t eindeQuote = blok.tekst_.size();
        if (i < tekst_.size() && tekst_[i] == '"') {
            gequoteerd = true;
            if (!LeesQuote(blok, i, regel))
                return onvolledig();
            eindeQuote = blok.tekst_.size();
        }
        // The unquoted part, up to the delimiter or the end of the line.
        std::size_t einde = i;
        while (einde < tekst_.size() && tekst_[einde] != scheidingsteken_ && tekst_[einde] != '\n')
            ++einde;
        if (einde == tekst_.size() && !einde_)
            return onvolledig();
        blok.tekst_ += tekst_.substr(i, einde - i);
        i = einde;
        if (blok.tekst_.size() > eindeQuote && blok.tekst_.back() == '\r' && (i >= tekst_.size() || tekst_[i] == '\n'))
            blok.tekst_.pop_back();
        blok.EindVeld();
        if (i < tekst_.size() && tekst_[i] == scheidingsteken_) {
            ++i;
            continue;
        }
        ++regel;
        break;
    }
    tekst_.remove_prefix(std::min(i + 1, tekst_.size()));
    regel_ = regel;
    blok.EindRij();
    const std::size_t rij = blok.Aantal() - 1;
    if (blok.AantalVelden(rij) == 1 && blok.Veld(rij, 0).empty() && !gequoteerd) {
        blok.Herstel(stand);
        return TRij::Leeg;
    }
    return TRij::Gelezen;
}

void ControleerCsvTekst(std::istream& bron)
{
    // Only a quote that is never closed makes a text no CSV: a text without
    // any quote needs no rows read.
    std::array<char, 65536> buffer;
    bool aanhalingsteken = false;
    while (!aanhalingsteken && (bron.read(buffer.data(), buffer.size()) || bron.gcount() > 0))
        aanhalingsteken = std::memchr(buffer.data(), '"', static_cast<std::size_t>(bron.gcount())) != nullptr;
    if (!aanhalingsteken)
        return;
    bron.clear();
    bron.seekg(0);
    TCsvLezer lezer(bron);
    TCsvBlok blok;
    while (lezer.Lees(blok, 1024) > 0)
        blok.Leeg();
}

char BepaalScheidingsteken(std::string_view tekst)
{
    const std::string_view kop = tekst.substr(0, tekst.find('\n'));
    return kop.find(';') != std::string_view::npos ? ';' : ',';
}

std::vector<TCsvRij> LeesCsv(const std::string& tekst, char scheidingsteken)
{
    TCsvLezer lezer(tekst, scheidingsteken);
    TCsvBlok blok;
    lezer.Lees(blok, std::numeric_limits<std::size_t>::max());
    std::vector<TCsvRij> rijen(blok.Aantal());
    for (std::size_t r = 0; r < blok.Aantal(); ++r) {
        rijen[r].Regelnummer = blok.Regelnummer(r);
        for (std::size_t v = 0; v < blok.AantalVelden(r); ++v)
            rijen[r].Velden.emplace_back(blok.Veld(r, v));
    }
    return rijen;
}

void VoegVeldToe(std::string& regel, std::string_view veld, char scheidingsteken, bool eerste, bool zonderFormule,
                 bool leegRij)
{
    if (!eerste)
        regel += scheidingsteken;
    const std::string_view voor = zonderFormule && IsFormule(veld) ? "'" : "";
    const bool bijzonder = std::any_of(veld.begin(), veld.end(), [&](char c) {
        return c == scheidingsteken || c == '"' || c == '\n' || c == '\r';
    });
    if (!leegRij && !bijzonder) {
        regel += voor;
        regel += veld;
        return;
    }
    regel += '"';
    regel += voor;
    for (std::size_t begin = 0;;) {
        const std::size_t quote = veld.find('"', begin);
        regel += veld.substr(begin, quote == std::string_view::npos ? quote : quote + 1 - begin);
        if (quote == std::string_view::npos)
            break;
        regel += '"';
        begin = quote + 1;
    }
    regel += '"';
}

std::string CsvRegel(const std::vector<std::string>& velden, char scheidingsteken)
{
    std::string regel;
    for (std::size_t i = 0; i < velden.size(); ++i)
        VoegVeldToe(regel, velden[i], scheidingsteken, i == 0, false, velden.size() == 1 && velden[i].empty());
    return regel + "\n";
}

bool IsFormule(std::string_view cel)
{
    const bool formuleteken = !cel.empty() && (cel[0] == '=' || cel[0] == '+' || cel[0] == '-' || cel[0] == '@' ||
                                               cel[0] == '\t' || cel[0] == '\r');
    return formuleteken && !LeesGetal(cel, std::numeric_limits<int>::max());
}

std::string ZonderFormule(const std::string& cel) { return IsFormule(cel) ? "'" + cel : cel; }

} // namespace vkt::cli
