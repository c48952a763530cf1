#include "facade/MovementPrices.hpp"

#include "core/DAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

namespace qvd::facadeprices {

using automation::ObjectRef;

namespace {

// Calls `read` with the ERP article of each of the elements 1 to the upper bound that the worker
// can read.
template <class Read>
void forEachReadable(DAL_Next& dal, const Texts& sArtigos, Read&& read) {
  ObjectRef artigo = NxtObjectoCriar(erpclass::Artigos);
  for (int32_t i = 1; i <= sArtigos.ubound(); ++i)
    if (dal.ArtigoLer(sArtigos(i), artigo)) read(i, artigo);
}

double readDouble(const ObjectRef& artigo, const char* membro) {
  return automation::propGet(artigo, membro).toDouble();
}

}  // namespace

ComposedLine composedLine(DAL_Next& dal, const std::string& sComposto, double dQuantidade, const Texts& sElementos,
                          const Numbers& dPercent) {
  double custo = 0;
  forEachReadable(dal, sElementos, [&](int32_t i, const ObjectRef& artigo) {
    custo += readDouble(artigo, "UltPmp") * (dPercent(i) / 100);
  });
  ComposedLine line{Texts(0, 1), Numbers(0, 1), Numbers(0, 1)};
  line.sArt(1) = sComposto;
  line.dQuant(1) = dQuantidade;
  line.dPrUni(1) = custo;
  return line;
}

void articlePrices(DAL_Next& dal, const Texts& sArtigos, const char* membro, Numbers& precos) {
  precos.redim(0, sArtigos.ubound());
  forEachReadable(dal, sArtigos, [&](int32_t i, const ObjectRef& artigo) { precos(i) = readDouble(artigo, membro); });
}

}  // namespace qvd::facadeprices
