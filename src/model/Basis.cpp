#include "model/Basis.h"

#include "common/Exception.h"
#include "common/Text.h"
#include "db/Record.h"

namespace vkt {

TBaseKolomRegel::TBaseKolomRegel(TBaseKolom* kolom)
    : Kolomnummer(kolom != nullptr ? kolom->Kolomnummer : 0), Kolom(kolom)
{
}

void TBaseKolomRegel::GetValues(TKolomRegelValues& values) const
{
    values = TKolomRegelValues{};
    values.Bedrag = ResultaatBedrag;
    values.Omschrijving = Utf8Left(Omschrijving, MaximaleOmschrijvingLengte);
}

void TBaseKolomRegel::SetValues(const TKolomRegelValues& values) { Omschrijving = values.Omschrijving; }

void TBaseKolomRegel::LoadFromDataSet(const db::Record& record)
{
    Kolomnummer = static_cast<int>(record.AsInteger("Kolomnummer"));
    Looncomponentnummer = static_cast<int>(record.AsInteger("Looncomponentnummer"));
    if (record.HasField("OmschrijvingLC"))
        Omschrijving = record.AsText("OmschrijvingLC");
    ResultaatBedrag = record.AsDouble("ResultaatBedrag");
}

TKolomRegelValues TBaseKolomRegel::Values() const
{
    TKolomRegelValues values;
    GetValues(values);
    return values;
}

TBaseKolom::TBaseKolom(TBaseKolommen* kolommen, int kolomnummer) : Kolommen(kolommen), Kolomnummer(kolomnummer) {}

int TBaseKolom::Append(std::unique_ptr<TBaseKolomRegel> regel)
{
    klassen_ |= regel ? regel->Klassen : 0;
    regels_.push_back(std::move(regel));
    return Count() - 1;
}

void TBaseKolom::Plaats(int index, std::unique_ptr<TBaseKolomRegel> regel)
{
    if (index == Count())
        regels_.push_back(std::move(regel));
    else
        regels_.at(static_cast<std::size_t>(index)) = std::move(regel);
    TelKlassen();
}

void TBaseKolom::KortIn(int aantal)
{
    regels_.resize(static_cast<std::size_t>(aantal));
    TelKlassen();
}

void TBaseKolom::Clear()
{
    regels_.clear();
    klassen_ = 0;
}

void TBaseKolom::TelKlassen()
{
    klassen_ = 0;
    for (const auto& regel : regels_)
        klassen_ |= regel ? regel->Klassen : 0;
}

void TBaseKolommen::Append(std::unique_ptr<TBaseKolom> kolom)
{
    const int nummer = kolom->Kolomnummer;
    if (nummer >= 0 && nummer < static_cast<int>(opNummer_.size()) && opNummer_[static_cast<std::size_t>(nummer)] == nullptr)
        opNummer_[static_cast<std::size_t>(nummer)] = kolom.get();
    kolommen_.push_back(std::move(kolom));
}

TBaseKolom& TBaseKolommen::ZoekKolom(int kolomnummer) const
{
    for (const auto& kolom : kolommen_)
        if (kolom->Kolomnummer == kolomnummer)
            return *kolom;
    throw Exception("Kolom " + std::to_string(kolomnummer) + " is vervallen. " +
                    "Deze mag niet meer in afwijkende grondslagen en sociale fondsen gebruikt worden.");
}

} // namespace vkt
