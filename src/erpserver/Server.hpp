#pragma once

// The reference ERP automation server, as hosts use it:
// - registerServer / unregisterServer: its classes in the component registry;
// - createDemoCompany / ensureSchema: company databases;
// - Session::close: ends every login and closes every company.
// The call journal and fault injection (testhooks/) are for this project's tests and are not
// installed.
#include "erpserver/schema/DemoCompany.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/schema/Schema.hpp"
#include "erpserver/store/Session.hpp"
