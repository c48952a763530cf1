#include "manufacturing/LotRelease.hpp"

#include "foundation/cLote.hpp"
#include "platform/HostSettings.hpp"
#include "platform/Text.hpp"

namespace qvd::movement {

using automation::text::sqlQuoted;

std::string artlotUpdate(const cLote& lote, const std::string& sArmazem) {
  std::string quantidade = automation::text::replaceAll(automation::numberToText(lote.Quantidade()), ",", ".");
  return "Update ARTLOT SET QTDSID = QTDSID - '" + quantidade + "'" + " WHERE (ARTIGO = '" + sqlQuoted(lote.Artigo()) +
         "') AND (CODLOTE = '" + sqlQuoted(lote.Lote()) + "') AND (ARMAZEM = '" + sqlQuoted(sArmazem) + "')";
}

}  // namespace qvd::movement
