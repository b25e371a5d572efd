#include "support/Werknemersdatabase.h"

#include "common/DataFolder.h"

#include <filesystem>

namespace vkt::test {

Werknemersdatabase::Werknemersdatabase()
{
    std::filesystem::copy_file(DataFolder() / "Vkt2020.db", Bestand());
    verbinding_.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + Bestand() +
                                    ";Mode=Share Exclusive");
    verbinding_.Open();
}

} // namespace vkt::test
