// vkt2020-cli: the calculations of Vkt2020 for scripts.

#include "cli/Hoofdprogramma.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return vkt::cli::Hoofdprogramma(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
