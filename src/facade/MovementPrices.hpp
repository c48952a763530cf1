#pragma once

#include <string>

#include "core/DAL_Next.hpp"

// The unit prices that the facade works out for a movement before handing it to the worker.
// Articles are read through the worker's ArtigoLer into one ERP article object; an article that
// cannot be read counts as 0. Arrays built here run from 0 to n, element 0 left at 0.
namespace qvd::facadeprices {

using Texts = DAL_Next::Texts;
using Numbers = DAL_Next::Numbers;

// The single line of a manufactured article's movement.
struct ComposedLine {
  Texts sArt;
  Numbers dQuant;
  Numbers dPrUni;
};

// `sComposto` in `dQuantidade`, priced at the sum of its elements' average costs, each taken
// at its percentage.
ComposedLine composedLine(DAL_Next& dal, const std::string& sComposto, double dQuantidade, const Texts& sElementos,
                          const Numbers& dPercent);

// Sizes `precos` to the articles' upper bound, losing what it held, and puts each article's
// `membro` ("UltPmp", "PvpSIV") in its place.
void articlePrices(DAL_Next& dal, const Texts& sArtigos, const char* membro, Numbers& precos);

}  // namespace qvd::facadeprices
