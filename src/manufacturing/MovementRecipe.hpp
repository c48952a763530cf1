#pragma once

#include <memory>

#include "docbuild/ArrayLines.hpp"
#include "core/DocumentRecipe.hpp"
#include "manufacturing/MovementHeader.hpp"
#include "manufacturing/MovementKinds.hpp"

namespace qvd {
class cDocLotes;
}

namespace qvd::movement {

// A movement's header in `order` and one line per article from `lines`; no lots, no log.
// Keeps copies of the header and the arrays' description; the caller's arrays must outlive it.
DocumentRecipe movementRecipe(const MovementHeader& header, std::span<const HeaderStep> order,
                                        const docbuild::LineArrays& lines);

// The values of a warehouse role's movement: the role's document type and series as `kind`
// names them, its sector, and the movement setting's currency.
MovementHeader roleHeader(const RoleMovement& kind, TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                          const TipificacaoArmazem& uArm, const std::string& sTerceiro, const std::string& sProcesso,
                          const std::string& sVossoNumDoc);

// The recipe of a warehouse role's movement: with the lots of `oLotes` when the operation takes
// lots (null: it does not), and the failure log `kind` asks for. The caller's lots must be an
// object: a movement that takes lots fails with 91 on a null one. Keeps copies, as above.
DocumentRecipe roleMovementRecipe(const RoleMovement& kind, const MovementHeader& header,
                                            const docbuild::LineArrays& lines,
                                            const std::shared_ptr<cDocLotes>* oLotes);

}  // namespace qvd::movement
