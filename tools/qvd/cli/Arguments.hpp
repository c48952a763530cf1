#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qvdtool {

// The words after the verb: positional arguments and "--name value" or "--name=value" options.
// Only the options a verb declares are accepted, each at most once; "--help" is always known.
class Arguments {
 public:
  Arguments(const std::vector<std::string>& words, const std::set<std::string>& valueOptions);

  bool wantsHelp() const noexcept { return help_; }
  const std::vector<std::string>& positional() const noexcept { return positional_; }
  // Raises a usage error unless there are between `least` and `most` positional arguments.
  void expectPositional(std::size_t least, std::size_t most) const;
  std::string option(const std::string& name, const std::string& fallback) const;
  std::optional<std::string> option(const std::string& name) const;

 private:
  bool help_ = false;
  std::vector<std::string> positional_;
  std::map<std::string, std::string> options_;
};

}  // namespace qvdtool
