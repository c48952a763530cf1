#include "erpserver/rules/ConstraintText.hpp"

#include <cctype>
#include <optional>
#include <span>

#include "erpserver/objects/DocumentFields.hpp"

namespace erpserver {
namespace {

// "O campo 'NossoNoDocumento' (NNUMDOC)" when a document field is stored in `column`.
std::string fieldName(const std::string& column) {
  for (std::span<const FieldSpec> fields : {std::span<const FieldSpec>(kHeaderFields), std::span<const FieldSpec>(kLineFields),
                                            std::span<const FieldSpec>(kLotFields), std::span<const FieldSpec>(kLotDataFields)})
    for (const FieldSpec& field : fields)
      if (field.column == column) return "O campo '" + std::string(field.name) + "' (" + column + ")";
  return "O campo " + column;
}

// The first column a constraint text names: "T.COL, T.COL2" or "COL > 0".
std::string firstColumn(const std::string& detail) {
  std::size_t begin = 0;
  while (begin < detail.size() && !std::isalpha(static_cast<unsigned char>(detail[begin]))) ++begin;
  std::size_t end = begin;
  while (end < detail.size() && (std::isalnum(static_cast<unsigned char>(detail[end])) || detail[end] == '_' || detail[end] == '.'))
    ++end;
  std::string name = detail.substr(begin, end - begin);
  if (auto dot = name.find('.'); dot != std::string::npos) name.erase(0, dot + 1);
  return name;
}

}  // namespace

std::string databaseRefusalText(const sql::Error& error) {
  std::string text = error.what();
  if (error.kind() != sql::Error::Kind::Constraint) return "Erro na base de dados: " + text;
  auto detail = [&](const char* prefix) -> std::optional<std::string> {
    if (!text.starts_with(prefix)) return std::nullopt;
    return text.substr(std::string_view(prefix).size());
  };
  if (auto d = detail("CHECK constraint failed: ")) return fieldName(firstColumn(*d)) + " tem um valor fora dos limites";
  if (auto d = detail("NOT NULL constraint failed: ")) return fieldName(firstColumn(*d)) + " é obrigatório";
  if (auto d = detail("UNIQUE constraint failed: ")) return fieldName(firstColumn(*d)) + " repete um registo que já existe";
  if (detail("FOREIGN KEY constraint failed")) return "Um dos códigos indicados não existe na empresa";
  return "Valor não aceite pela base de dados";
}

}  // namespace erpserver
