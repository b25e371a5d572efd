#pragma once

#include <stdexcept>
#include <string>

namespace vkt {

// The general exception class of the program. Every error the program raises
// itself derives from it; its text is what the user gets to read.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

} // namespace vkt
