#pragma once

#include "calc/Berekening.h"
#include "cli/BerekenOpties.h"
#include "model/Heffingsgegevens.h"

#include <string>
#include <vector>

namespace vkt {
class TdmConstanten;
}

namespace vkt::cli {

class TCsvBlok;
class TFondsengeheugen;

// What every row of a batch is computed from, shared by the threads and only
// read (the funds memory takes turns itself).
struct TBatchGegevens {
    const TVasteHeffingsgegevens& Basis; // the regular levy data of a new calculation
    const TdmConstanten& Constanten;
    TFondsengeheugen& Fondsen;
    std::vector<int> Kolommen;           // the option of each column of the header, by its position
    int Bedragkolom;                     // the one column of the amount; -1 for none or more than one
    TBerekeningInvoer Standaard;         // the inputs of a new calculation
    char Scheidingsteken;
};

// Computes rows of a batch one after another on one thread. Each row gets the
// same copy of the regular levy data and the same run, made again for it, so
// that after the first rows nothing is allocated for a row that computes.
// A row that differs from the row before it only in its amount (a file of
// many employees of one kind) is computed on the run as it stands, with the
// new amount: what it gives is what the whole way gives.
class TBatchRekenaar {
public:
    explicit TBatchRekenaar(const TBatchGegevens& gegevens) : g_(gegevens) {}
    TBatchRekenaar(const TBatchRekenaar&) = delete;
    TBatchRekenaar& operator=(const TBatchRekenaar&) = delete;

    // Appends the output line of a row: its fields as the header has them,
    // then the outcome, or the error in the column melding. False when the
    // row failed.
    bool Reken(const TCsvBlok& blok, std::size_t rij, std::string& uitvoer);

private:
    // Computes the row's calculation; the message the run showed, if any.
    std::optional<std::string> BerekenRij(const TCsvBlok& blok, std::size_t rij);
    // The row's amount when the row equals the last computed row in all its
    // other fields and the amount is given and valid; else nothing, and the
    // row takes the whole way (which words any error).
    std::optional<double> AlleenAnderBedrag(const TCsvBlok& blok, std::size_t rij) const;
    void OnthoudRij(const TCsvBlok& blok, std::size_t rij);
    void SchrijfUitkomst(std::string& uitvoer, const std::string& melding, bool gelukt) const;

    const TBatchGegevens& g_;
    std::vector<TOptieOpPositie> waarden_;
    TBerekenOpties opties_;
    TVasteHeffingsgegevens vast_;
    TBerekening berekening_;
    // The fields of the last row computed the whole way, one after another,
    // and where each ends; empty after a row that failed.
    std::string vorigeVelden_;
    std::vector<std::size_t> vorigeEinden_;
};

} // namespace vkt::cli
