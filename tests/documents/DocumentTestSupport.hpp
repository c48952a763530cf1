#pragma once

// Kept for the tests that still include the document helpers from here.
#include "support/DocumentMembers.hpp"
