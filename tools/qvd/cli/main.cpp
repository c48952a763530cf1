#include <exception>
#include <iostream>
#include <string_view>

#include "cli/CommandError.hpp"
#include "cli/Verbs.hpp"
#include "foundation/Version.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Excerpt.hpp"
#include "platform/System.hpp"

namespace {

using namespace qvdtool;

constexpr Verb kVerbs[] = {
    {"init", "create a company with the demo data, or check an existing one", runInit},
    {"demo", "run a day of work through the library on a fresh demo company", runDemo},
    {"import", "create documents in bulk from CSV files", runImport},
    {"show", "print one document", runShow},
    {"restore", "put a removed document back under its number", runRestore},
    {"stock", "print the stock of an article", runStock},
};

void printUsage(std::ostream& out) {
  out << "qvd " << qvd::libraryVersion() << ": load and inspect ERP documents through the QuarvelVaroDav library\n\n"
      << "usage: qvd VERB [ARGUMENTS] [OPTIONS]\n\nverbs:\n";
  for (const Verb& verb : kVerbs) out << "  " << verb.name << std::string(8 - std::string_view(verb.name).size(), ' ') << verb.summary << "\n";
  out << "\n'qvd VERB --help' describes a verb. Exit codes: 0 done, 1 done but something was refused or not\n"
         "found, 2 wrong usage or unusable input, 3 the company could not be opened, 4 an unexpected error.\n";
}

}  // namespace

int main(int argc, char** argv) {
  automation::system::useUtf8Console();
  std::vector<std::string> arguments = automation::system::utf8Arguments(argc, argv);
  Words words(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end());
  if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    printUsage(std::cout);
    return words.empty() ? exitcode::BadUsage : exitcode::Ok;
  }
  if (words[0] == "--version") {
    std::cout << "qvd " << qvd::libraryVersion() << "\n";
    return exitcode::Ok;
  }
  for (const Verb& verb : kVerbs) {
    if (words[0] != verb.name) continue;
    try {
      return verb.run(Words(words.begin() + 1, words.end()));
    } catch (const CommandError& e) {
      std::cerr << "qvd " << verb.name << ": " << e.what() << "\n";
      if (e.exitCode() == exitcode::BadUsage) std::cerr << "(see: qvd " << verb.name << " --help)\n";
      return e.exitCode();
    } catch (const automation::AutomationError& e) {
      std::cerr << "qvd " << verb.name << ": error " << e.number() << " in " << e.source() << ": " << e.description()
                << "\n";
      return exitcode::Unexpected;
    } catch (const std::exception& e) {
      std::cerr << "qvd " << verb.name << ": " << e.what() << "\n";
      return exitcode::Unexpected;
    }
  }
  std::cerr << "qvd: unknown verb " << automation::text::quoted(words[0]) << "\n\n";
  printUsage(std::cerr);
  return exitcode::BadUsage;
}
