#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace qvd {
class LogErrosApi;
}

namespace qvd::docbuild {

// Appends the record of one failed document operation to the operation log in `pasta`: module
// "DAL_Next: ", the routine and operation names, the error, then what `fill` adds (header
// entries, lines, lots). An error raised by `fill` leaves unchanged: the callers' traps rely on
// a failing log step not being converted.
void writeFailureLog(const std::string& pasta, const std::string& rotina, int32_t numero, const std::string& texto,
                     const std::function<void(LogErrosApi&)>& fill, const std::string& operacao = "Inserção");

}  // namespace qvd::docbuild
