#pragma once

// Kept for the tests that still include the movement setting from here.
#include "support/DocumentMembers.hpp"
