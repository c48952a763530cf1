// The write groups of the server's entry header, over the session's.
#include "erpserver/Server.hpp"

#include "erpserver/rules/Refusal.hpp"

namespace erpserver {

static_assert(kLostConnectionCode == refusal::ConnectionLost);

void beginWriteGroup(GroupUndo undo) { Session::instance().beginGroup(undo == GroupUndo::EachAction); }

bool writeGroupLost() { return Session::instance().groupLost(); }

void settleWriteGroup() { Session::instance().settleGroup(); }

void commitWriteGroup() { Session::instance().commitGroup(); }

}  // namespace erpserver
