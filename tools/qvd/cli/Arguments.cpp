#include "cli/Arguments.hpp"

#include "cli/CommandError.hpp"
#include "platform/Excerpt.hpp"

namespace qvdtool {

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& valueOptions) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--help" || word == "-h") {
      help_ = true;
      continue;
    }
    if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
      positional_.push_back(word);
      continue;
    }
    std::string name = word.substr(2);
    std::optional<std::string> value;
    if (auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (!valueOptions.contains(name)) usageError("unknown option --" + automation::text::excerpt(name));
    if (!value) {
      if (i + 1 == words.size()) usageError("option --" + name + " needs a value");
      value = words[++i];
    }
    // Taking the last of two would let a forgotten word in a script choose the company.
    if (!options_.emplace(name, *value).second) usageError("option --" + name + " is given twice: give it once");
  }
}

void Arguments::expectPositional(std::size_t least, std::size_t most) const {
  if (positional_.size() < least) usageError("missing arguments");
  if (positional_.size() > most) usageError("too many arguments: " + automation::text::quoted(positional_[most]));
}

std::string Arguments::option(const std::string& name, const std::string& fallback) const {
  return option(name).value_or(fallback);
}

std::optional<std::string> Arguments::option(const std::string& name) const {
  auto it = options_.find(name);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

}  // namespace qvdtool
