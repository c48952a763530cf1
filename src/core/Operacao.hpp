#pragma once

#include <cstdint>

namespace qvd {

// What finalization does with a filled ERP document. The numbers are those callers of the
// original routine passed, kept so that a stored or logged code reads the same.
enum class Operacao : int32_t { Inserir = 0, Alterar = 1, Remover = 2, Nada = 3, Validar = 4 };

}  // namespace qvd
