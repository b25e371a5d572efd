#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vkt::cli {

// "vkt2020-cli lijst [--formaat tekst|json]": the number and name of every
// saved calculation, a line each ("3<tab>Jansen") or as JSON, in the order
// of the employee list.
int LijstOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

// "vkt2020-cli toon NUMMER [--formaat tekst|json]": opens the saved
// calculation as the window shows it, runs it and prints it as "bereken"
// does. A number that is not saved, or a calculation the window would refuse
// to compute, fails with exit code 1.
int ToonOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

// "vkt2020-cli opslaan --naam NAAM [opties van bereken]": stores a new
// calculation as "Nieuw" followed by "Opslaan" stores it, with the options
// entered, and prints its number.
int OpslaanOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

// "vkt2020-cli verwijder NUMMER": deletes the saved calculation.
int VerwijderOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

} // namespace vkt::cli
