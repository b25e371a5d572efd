#pragma once

#include <string>

namespace vkt::db {

// What an error of the engine means, in Dutch, with the engine's own text
// after it between brackets for whoever must find the cause: "De schijf is
// vol (database or disk is full)". result is the engine's (extended) result
// code; the engine's text stays whole inside the brackets, so that callers
// can still recognise it.
std::string Enginemelding(int result, const std::string& engineText);

} // namespace vkt::db
