// Connection URIs of a server: where they point, and what of them a message may show.
#include "platform/db/ServerAddress.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace automation::db::address {
namespace {

constexpr std::string_view kHidden = "********";

// Where the database part starts (its "/"), or npos.
std::size_t pathStart(const std::string& uri) {
  std::size_t host = uri.find("://");
  return uri.find_first_of("/?", host == std::string::npos ? 0 : host + 3);
}

bool endsValue(char c) { return c == '&' || c == ' ' || c == '"' || c == '\'' || c == '\n' || c == '#'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The user-info password of every "scheme://user:password@" in the text, left out with its colon.
// The user-info ends at the last "@" before the next blank or quote, since a password may itself
// hold "@" or "/".
void hideUserInfo(std::string& text) {
  for (std::size_t scheme = text.find("://"); scheme != std::string::npos; scheme = text.find("://", scheme + 3)) {
    std::size_t start = scheme + 3;
    std::size_t end = start;
    while (end < text.size() && !isBlank(text[end]) && text[end] != '"' && text[end] != '\'') ++end;
    std::size_t at = text.rfind('@', end == 0 ? 0 : end - 1);
    if (at == std::string::npos || at < start) continue;
    std::size_t colon = text.find(':', start);
    if (colon == std::string::npos || colon > at) continue;
    text.erase(colon, at - colon);
  }
}

// The value of every "password=" (any letter case, "PGPASSWORD=" too), as a URI's query, a
// connection string or an environment writes it, quoted or not.
void hidePasswordSettings(std::string& text) {
  constexpr std::string_view key = "password";
  for (std::size_t i = 0; i + key.size() < text.size(); ++i) {
    bool match = true;
    for (std::size_t k = 0; k < key.size() && match; ++k)
      match = (text[i + k] | 0x20) == key[k];
    if (!match) continue;
    std::size_t j = i + key.size();
    while (j < text.size() && text[j] == ' ') ++j;
    if (j >= text.size() || text[j] != '=') continue;
    ++j;
    while (j < text.size() && text[j] == ' ') ++j;
    std::size_t end = j;
    if (end < text.size() && text[j] == '\'') {
      for (++end; end < text.size() && text[end] != '\''; ++end)
        if (text[end] == '\\') ++end;
      end = std::min(end + 1, text.size());
    } else {
      while (end < text.size() && !endsValue(text[end])) ++end;
    }
    text.replace(j, end - j, kHidden);
    i = j + kHidden.size() - 1;
  }
}

// The passwords this process may log in with that no URI shows: PGPASSWORD's and the password
// file's (the last field of each "host:port:database:user:password" line, "\:" an escaped colon).
std::vector<std::string> knownPasswords() {
  std::vector<std::string> out;
  if (const char* variable = std::getenv("PGPASSWORD"); variable && *variable) out.emplace_back(variable);
  std::filesystem::path file;
  if (const char* named = std::getenv("PGPASSFILE"); named && *named) file = named;
  else if (const char* home = std::getenv("HOME"); home && *home) file = std::filesystem::path(home) / ".pgpass";
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::string field;
    int fields = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        field += line[++i];
      } else if (line[i] == ':' && fields < 4) {
        ++fields;
        field.clear();
      } else {
        field += line[i];
      }
    }
    if (!field.empty() && field.back() == '\r') field.pop_back();
    if (fields == 4 && !field.empty()) out.push_back(field);
  }
  return out;
}

// A password shorter than this is not looked for in free text, where it would hide common words.
constexpr std::size_t kShortestSought = 4;

void hideEach(std::string& text, const std::string& secret) {
  if (secret.size() < kShortestSought) return;
  for (std::size_t at = text.find(secret); at != std::string::npos; at = text.find(secret, at + kHidden.size()))
    text.replace(at, secret.size(), kHidden);
}

}  // namespace

bool isServerUri(std::string_view target) {
  return target.starts_with("postgresql://") || target.starts_with("postgres://");
}

std::string scrubbed(std::string_view text) {
  std::string out(text);
  hideUserInfo(out);
  hidePasswordSettings(out);
  for (const std::string& secret : knownPasswords()) hideEach(out, secret);
  return out;
}

std::string withoutPassword(const std::string& uri) { return scrubbed(uri); }

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
