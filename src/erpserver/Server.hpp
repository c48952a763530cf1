#pragma once

// The reference ERP automation server, as hosts use it:
// - registerServer / unregisterServer: its classes in the component registry;
// - createDemoCompany / ensureSchema: company databases;
// - Session::close: ends every login and closes every company.
// The call journal and fault injection (testhooks/) are for this project's tests and are not
// installed.
// Ownership: the registry owns the class factories; objects created from them are counted
// references their caller owns; each company stays open while a login on it lives.
// Threads: any thread may register, create companies and log in; an ERP object acts in the latest
// login made on the thread that created it, so a host gives each user a thread of its own.
#include "erpserver/schema/DemoCompany.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/schema/Schema.hpp"
#include "erpserver/store/Session.hpp"
