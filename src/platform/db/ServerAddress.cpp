#include "platform/db/ServerAddress.hpp"

namespace automation::db::address {
namespace {

// Where the database part starts (its "/"), or npos.
std::size_t pathStart(const std::string& uri) {
  std::size_t host = uri.find("://");
  return uri.find_first_of("/?", host == std::string::npos ? 0 : host + 3);
}

}  // namespace

bool isServerUri(std::string_view target) {
  return target.starts_with("postgresql://") || target.starts_with("postgres://");
}

std::string withoutPassword(const std::string& uri) {
  std::size_t scheme = uri.find("://");
  if (scheme == std::string::npos) return uri;
  std::size_t end = pathStart(uri);
  std::size_t at = uri.rfind('@', end);
  if (at == std::string::npos || at < scheme) return uri;
  std::size_t colon = uri.find(':', scheme + 3);
  if (colon == std::string::npos || colon > at) return uri;
  return uri.substr(0, colon) + uri.substr(at);
}

std::string withDatabase(const std::string& uri, const std::string& name) {
  std::size_t path = pathStart(uri);
  if (path == std::string::npos) return uri + "/" + name;
  std::size_t query = uri.find('?', path);
  return uri.substr(0, path) + "/" + name + (query == std::string::npos ? "" : uri.substr(query));
}

std::string databaseOf(const std::string& uri) {
  std::size_t path = pathStart(uri);
  if (path == std::string::npos || uri[path] != '/') return {};
  std::size_t query = uri.find('?', path);
  return uri.substr(path + 1, query == std::string::npos ? std::string::npos : query - path - 1);
}

}  // namespace automation::db::address
