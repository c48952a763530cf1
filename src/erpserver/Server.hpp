#pragma once

// The reference ERP automation server, as hosts and tests use it:
// - registerServer / unregisterServer: its classes in the component registry;
// - createDemoCompany / ensureSchema: company databases;
// - Session::close: ends the process-wide session;
// - Journal and Faults: the call journal and fault injection for tests.
#include "erpserver/DemoCompany.hpp"
#include "erpserver/Faults.hpp"
#include "erpserver/Journal.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/Schema.hpp"
#include "erpserver/Session.hpp"
