#pragma once

// The reference ERP automation server, as hosts use it:
// - registerServer / unregisterServer: its classes in the component registry;
// - createDemoCompany / ensureSchema: company databases, named by the rule of isCompanyName;
// - Session::close: ends every login and closes every company;
// - beginWriteGroup / commitWriteGroup: many documents of one login in one database transaction.
// The call journal and fault injection (testhooks/) are for this project's tests and are not
// installed.
// Ownership: the registry owns the class factories; objects created from them are counted
// references their caller owns; each company stays open while a login on it lives.
// Threads: any thread may register, create companies and log in; an ERP object acts in the latest
// login made on the thread that created it, so a host gives each user a thread of its own.
#include "erpserver/schema/CompanyName.hpp"
#include "erpserver/schema/DemoCompany.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/schema/Schema.hpp"
#include "erpserver/store/Session.hpp"

namespace erpserver {

// The writes of the calling thread's login go into one database transaction until
// commitWriteGroup(). With GroupUndo::EachAction each action is whole or absent on its own; with
// GroupUndo::WholeGroup an action that fails undoes the whole group instead, which saves the
// server a savepoint per action: writeGroupLost() then says so, every later write of the group
// raises, and the caller begins it again (each action alone) to redo what it held. On a server an
// action of such a group returns once its writes are sent, without waiting for them, so that the
// server writes while the caller goes on: a write that fails there loses the group at a later
// action, or at settleWriteGroup(), which waits for them all; the caller settles the group before
// it commits, and redoes it when it is lost. The group
// belongs to that login alone: another login's actions wait for it like any other writer and
// never fall inside it, so a group that fails takes only its own login's work with it. Both raise
// the database's error (an AutomationError): no session, a lost connection or a refused commit;
// a lost group's commit raises too.
enum class GroupUndo { EachAction, WholeGroup };
QVD_API void beginWriteGroup(GroupUndo undo = GroupUndo::EachAction);
QVD_API bool writeGroupLost();
QVD_API void settleWriteGroup();
// The result code of an action whose connection to the server was lost: every action after it
// fails the same way until the company is opened again.
inline constexpr int32_t kLostConnectionCode = 1098;
QVD_API void commitWriteGroup();

}  // namespace erpserver
