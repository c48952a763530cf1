#pragma once

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "support/TempFolder.hpp"

namespace testing_support {

// The process's number locale set to one whose decimal separator is a comma, as a host program
// may set it; one is compiled into a temporary folder when the system has none.
class CommaLocale {
 public:
  CommaLocale() {
    if (const char* old = std::getenv("LOCPATH")) oldLocalePath_ = old;
    for (const char* name : {"de_DE.UTF-8", "pt_PT.UTF-8", "fr_FR.UTF-8", "German_Germany.1252"})
      if (std::setlocale(LC_NUMERIC, name)) return;
#ifndef _WIN32
    std::ofstream(folder_.file("comma")) << "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3;3\n"
                                             "END LC_NUMERIC\n";
    std::string build = "localedef -c -i " + folder_.file("comma") + " -f UTF-8 " + folder_.file("comma.UTF-8") +
                        " >/dev/null 2>&1";
    static_cast<void>(std::system(build.c_str()));  // it warns of the categories left out; setlocale judges
    setenv("LOCPATH", folder_.path().c_str(), 1);
    std::setlocale(LC_NUMERIC, "comma.UTF-8");
#endif
  }
  // LOCPATH goes back too: programs the later tests start would look for locales in a folder gone.
  ~CommaLocale() {
    std::setlocale(LC_NUMERIC, "C");
#ifndef _WIN32
    if (oldLocalePath_) setenv("LOCPATH", oldLocalePath_->c_str(), 1);
    else unsetenv("LOCPATH");
#endif
  }
  bool active() const { return std::localeconv()->decimal_point == std::string(","); }

 private:
  testing_support::TempFolder folder_;
  std::optional<std::string> oldLocalePath_;
};

}  // namespace testing_support
