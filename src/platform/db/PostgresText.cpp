#include "platform/db/PostgresText.hpp"

#include <cctype>

#include "platform/Text.hpp"

namespace automation::db::postgres {
namespace {

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The end of a quoted run that starts at `at` (a quote, a comment or a dollar tag); `at` itself
// when nothing is quoted there.
std::size_t skipQuoted(std::string_view text, std::size_t at) {
  char c = text[at];
  if (c == '\'' || c == '"') {
    for (std::size_t i = at + 1; i < text.size(); ++i) {
      if (text[i] != c) continue;
      if (i + 1 < text.size() && text[i + 1] == c) {
        ++i;  // a doubled quote stays inside
        continue;
      }
      return i + 1;
    }
    return text.size();
  }
  if (text.substr(at).starts_with("--")) {
    std::size_t eol = text.find('\n', at);
    return eol == std::string_view::npos ? text.size() : eol + 1;
  }
  if (text.substr(at).starts_with("/*")) {
    std::size_t close = text.find("*/", at + 2);
    return close == std::string_view::npos ? text.size() : close + 2;
  }
  if (c == '$' && (at == 0 || !isWordChar(text[at - 1]))) {
    std::size_t close = text.find('$', at + 1);
    if (close == std::string_view::npos) return at;
    std::string_view tag = text.substr(at, close - at + 1);
    for (char t : tag.substr(1, tag.size() - 2))
      if (!isWordChar(t)) return at;
    std::size_t end = text.find(tag, close + 1);
    return end == std::string_view::npos ? text.size() : end + tag.size();
  }
  return at;
}

bool onlyBlanksAndComments(std::string_view sql) {
  for (std::size_t i = 0; i < sql.size();) {
    if (std::isspace(static_cast<unsigned char>(sql[i]))) {
      ++i;
      continue;
    }
    bool comment = sql.substr(i).starts_with("--") || sql.substr(i).starts_with("/*");
    if (!comment) return false;
    i = skipQuoted(sql, i);
  }
  return true;
}

}  // namespace

std::vector<StatementText> splitStatements(std::string_view text) {
  std::vector<StatementText> out;
  StatementText current;
  auto finish = [&] {
    if (!onlyBlanksAndComments(current.sql)) out.push_back(std::move(current));
    current = StatementText{};
  };
  for (std::size_t i = 0; i < text.size();) {
    std::size_t quotedEnd = skipQuoted(text, i);
    if (quotedEnd != i) {
      current.sql.append(text.substr(i, quotedEnd - i));
      i = quotedEnd;
      continue;
    }
    char c = text[i];
    bool placeholder = c == '@' && i + 1 < text.size() && (std::isalpha(static_cast<unsigned char>(text[i + 1])) ||
                                                            text[i + 1] == '_');
    if (placeholder) {
      std::size_t end = i + 1;
      while (end < text.size() && isWordChar(text[end])) ++end;
      std::string name(text.substr(i + 1, end - i - 1));
      std::size_t number = 0;
      while (number < current.names.size() && !text::equalsIgnoringCase(current.names[number], name)) ++number;
      if (number == current.names.size()) current.names.push_back(name);
      current.sql += "$" + std::to_string(number + 1);
      i = end;
    } else if (c == ';') {
      finish();
      ++i;
    } else {
      current.sql += c;
      ++i;
    }
  }
  finish();
  return out;
}

StatementText numberedText(std::string_view sql) {
  StatementText out;
  for (std::size_t i = 0; i < sql.size();) {
    std::size_t quotedEnd = skipQuoted(sql, i);
    if (quotedEnd != i) {
      out.sql.append(sql.substr(i, quotedEnd - i));
      i = quotedEnd;
    } else if (sql[i] == '?') {
      out.names.push_back(std::to_string(out.names.size() + 1));
      out.sql += "$" + out.names.back();
      ++i;
    } else {
      out.sql += sql[i++];
    }
  }
  return out;
}

std::string leadingKeyword(std::string_view sql) {
  std::size_t i = 0;
  while (i < sql.size()) {
    std::size_t after = skipQuoted(sql, i);
    if (after != i && sql[i] != '\'' && sql[i] != '"' && sql[i] != '$') {
      i = after;
    } else if (std::isspace(static_cast<unsigned char>(sql[i])) || sql[i] == '(') {
      ++i;
    } else {
      break;
    }
  }
  std::string word;
  for (; i < sql.size() && isWordChar(sql[i]); ++i) word += static_cast<char>(std::toupper(static_cast<unsigned char>(sql[i])));
  return word;
}

std::string quotedIdentifier(std::string_view name) { return "\"" + text::replaceAll(name, "\"", "\"\"") + "\""; }

}  // namespace automation::db::postgres
