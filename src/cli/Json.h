#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vkt::cli {

// A small JSON value for the program's output: null, true and false,
// numbers, texts, objects that keep their key order, and arrays.
class Json {
public:
    using Object = std::vector<std::pair<std::string, Json>>;
    using Array = std::vector<Json>;

    Json(std::nullptr_t) : value_(nullptr) {}
    Json(bool waarde) : value_(waarde) {}
    Json(int number) : value_(static_cast<double>(number)) {}
    Json(double number) : value_(number) {}
    Json(std::string text) : value_(std::move(text)) {}
    Json(const char* text) : value_(std::string(text)) {}
    Json(Object object) : value_(std::move(object)) {}
    Json(Array array) : value_(std::move(array)) {}

    // Indented by two spaces per level; numbers in their shortest exact form.
    std::string Dump(int indent = 0) const;

private:
    std::variant<std::nullptr_t, bool, double, std::string, Object, Array> value_;
};

} // namespace vkt::cli
