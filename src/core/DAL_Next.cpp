#include "core/DAL_Next.hpp"

namespace qvd {

DAL_Next::DAL_Next() = default;

// Drops the references only: the ERP session stays open until ApiTermina ends it.
DAL_Next::~DAL_Next() = default;

}  // namespace qvd
