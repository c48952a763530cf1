#pragma once

#include <string>
#include <string_view>
#include <vector>

// How statement texts written for the connection meet the PostgreSQL server: split into single
// statements, with named placeholders turned into the server's numbered ones.
namespace automation::db::postgres {

struct StatementText {
  std::string sql;                 // "@Artigo" and "@artigo" both became "$1"
  std::vector<std::string> names;  // the placeholder of $1, $2, ... as written, without its @
};

// The statements of `text`, split at the semicolons outside quotes, comments and dollar-quoted
// bodies; blank and comment-only pieces are dropped. Placeholder names ignore letter case.
std::vector<StatementText> splitStatements(std::string_view text);

// One statement with positional "?" placeholders numbered as the server wants them ("$1", "$2",
// ...); `names` holds their numbers. Quotes, comments and dollar-quoted bodies are left alone.
StatementText numberedText(std::string_view sql);

// `name` as a quoted identifier, its quotes doubled, so that no name can end the identifier and
// add SQL of its own.
std::string quotedIdentifier(std::string_view name);

// The first word of a statement, upper-cased ("SELECT", "WITH", ...).
std::string leadingKeyword(std::string_view sql);

}  // namespace automation::db::postgres
