#pragma once

#include <cstdint>
#include <string>

#include "foundation/Records.hpp"
#include "platform/Object.hpp"

// How the ERP's objects answer: a method returns a 32-bit code, 0 for success, and
// the object itself explains a failure through UltimoErro and UltimaMensagem.
namespace qvd::erpresult {

[[nodiscard]] int32_t chamar(const automation::ObjectRef& oErp, const char* metodo);

// Ler with the code passed by reference.
[[nodiscard]] int32_t ler(const automation::ObjectRef& oErp, const std::string& sCodigo);

// The object's own account of its last failure, copied into the caller's record.
void copiarErro(const automation::ObjectRef& oErp, NextError& utNextError);

}  // namespace qvd::erpresult
