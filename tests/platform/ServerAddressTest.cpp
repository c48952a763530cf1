// Passwords never reach a message, whatever form the connection was given in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "platform/db/PostgresEngine.hpp"
#include "platform/db/ServerAddress.hpp"
#include "support/ErrorOf.hpp"
#include "support/TempFolder.hpp"

namespace {

namespace address = automation::db::address;

// Sets an environment variable for one test, and puts back what was there.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ServerAddress, EveryFormOfPasswordIsScrubbedFromMessages) {
  testing_support::TempFolder folder;
  std::ofstream(folder.file("pgpass")) << "# host:port:database:user:password\n"
                                       << "db.example:5432:*:clerk:fi\\:le-Secret\n";
  ScopedVariable file("PGPASSFILE", folder.file("pgpass"));
  ScopedVariable variable("PGPASSWORD", "env-Secret");
  auto hides = [](const std::string& text, const std::string& secret, const std::string& kept) {
    std::string out = address::scrubbed(text);
    EXPECT_EQ(out.find(secret), std::string::npos) << out;
    EXPECT_NE(out.find(kept), std::string::npos) << out;
  };
  hides("postgresql://u:pw-Secret@db:5432/shop", "pw-Secret", "postgresql://u@db:5432/shop");
  hides("postgres://u:p@ss/w-Secret@db/shop?x=1", "w-Secret", "u@db/shop?x=1");
  hides("postgresql://u@db/shop?sslmode=require&password=q-Secret&application_name=a", "q-Secret",
        "application_name=a");
  hides("postgresql://u@db/shop?PASSWORD=Q-Secret", "Q-Secret", "postgresql://u@db/shop");
  hides("invalid IPv6 host address in URI: \"postgresql://u:pw-Secret@[::1:5432/\"", "pw-Secret",
        "postgresql://u@[::1:5432/");
  hides("host=db user=u password='a b-Secret' dbname=shop", "b-Secret", "dbname=shop");
  hides("authentication failed; sent env-Secret", "env-Secret", "authentication failed");
  hides("the file says fi:le-Secret", "fi:le-Secret", "the file says");
  EXPECT_EQ(address::scrubbed("company SHOP on postgresql://u@db:5432/"), "company SHOP on postgresql://u@db:5432/");
  EXPECT_EQ(address::withoutPassword("postgresql://u:pw@db/shop?password=x"),
            "postgresql://u@db/shop?password=********");

  // What the connection itself reports, for a URI libpq cannot even parse.
  for (const char* uri : {"postgresql://u:pw-Secret@[::1:5432/", "postgresql://u@[::1:5432/?password=pw-Secret"}) {
    auto refused = testing_support::raisedBy([&] { automation::db::PostgresEngine::open(uri); });
    EXPECT_NE(refused.number, 0);
    EXPECT_EQ(refused.description.find("pw-Secret"), std::string::npos) << refused.description;
  }
}

}  // namespace
