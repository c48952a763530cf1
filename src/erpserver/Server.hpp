#pragma once

// The reference ERP automation server, as hosts and tests use it:
// - registerServer / unregisterServer: its classes in the component registry;
// - createDemoCompany / ensureSchema: company databases;
// - Session::close: ends every login and closes every company;
// - Journal and Faults: the call journal and fault injection for tests.
#include "erpserver/schema/DemoCompany.hpp"
#include "erpserver/testhooks/Faults.hpp"
#include "erpserver/testhooks/Journal.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/schema/Schema.hpp"
#include "erpserver/store/Session.hpp"
