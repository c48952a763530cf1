#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/Records.hpp"
#include "platform/Variant.hpp"

// How the program writes values for people: fixed columns, quantities without useless zeros.
namespace qvdtool::format {

// Up to three decimals, trailing zeros dropped: 10, 2.5, -0.125.
std::string quantity(double value);
// Two decimals: 12.30.
std::string money(double value);
// A field as text: dates as dd-mm-yyyy, numbers as quantities, Null and Empty as "".
std::string value(const automation::Variant& value);
// `text` cut or padded to `width` characters, or right-aligned in `width` when `right`.
std::string cell(std::string_view text, std::size_t width, bool right = false);
// A command as a user types it into a POSIX shell: each word kept whole, in single quotes when
// it holds anything a shell would act on ("qvd stock 'my shop' A001").
std::string command(const std::vector<std::string>& words);
// "1 document", "3 documents".
std::string count(long n, const std::string& noun);
// "FA 1/2024 no. 7".
std::string key(const qvd::KeyDocumNext& key);
std::string key(std::string_view type, int series, int year, int number);

}  // namespace qvdtool::format
