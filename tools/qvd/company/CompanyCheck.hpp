#pragma once

#include <string>

namespace qvdtool {

// Why an existing file is not a usable company database, and what to do about it: no permission,
// not a database at all, a damaged database (with SQLite's reason), or a database without the
// company's tables. Empty when the file is a company database.
std::string companyFileProblem(const std::string& name);

}  // namespace qvdtool
