#include "import/SourceReference.hpp"

#include "cli/CommandError.hpp"
#include "platform/Excerpt.hpp"

namespace qvdtool {

SourceReference::SourceReference(const std::optional<std::string>& source) : prefix_("#") {
  if (!source) return;
  if (source->empty() || source->find_first_of(": \t") != std::string::npos)
    usageError("--source " + automation::text::quoted(*source) +
               ": a source name is not empty and holds no ':' and no blanks");
  prefix_ += *source + ":";
}

std::optional<qvd::KeyDocumNext> SourceReference::holder(CompanySession& session, const std::string& reference) {
  // The second condition is that of the ERP's index of source references, which it lets serve.
  auto rs = session.query(
      "SELECT TPDOC, SERIE, ANO, NNUMDOC FROM DOCGCCAB WHERE PROCESSO = @referencia AND substr(PROCESSO, 1, 1) = '#'",
      {{"referencia", automation::Variant(reference)}});
  if (rs->Eof()) return std::nullopt;
  qvd::KeyDocumNext key;
  key.sTpDoc = rs->value("TPDOC").toString();
  key.iSerie = static_cast<int16_t>(rs->value("SERIE").toLong());
  key.iAno = static_cast<int16_t>(rs->value("ANO").toLong());
  key.lNumDoc = rs->value("NNUMDOC").toLong();
  return key;
}

}  // namespace qvdtool
