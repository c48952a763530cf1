#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "TempFolder.hpp"
#include "erpserver/DemoCompany.hpp"

namespace {

using Value = std::variant<std::monostate, int64_t, std::string>;  // monostate: SQL NULL

// Runs a stored procedure the way a command would: the body read from SYS_PROCEDURES, its
// statements in order inside one transaction, every @parameter bound by name. Returns the first
// column of the rows of the last statement.
class Procedures {
 public:
  explicit Procedures(const std::string& path) { EXPECT_EQ(sqlite3_open(path.c_str(), &db_), SQLITE_OK); }
  ~Procedures() { sqlite3_close(db_); }

  std::vector<std::string> run(const std::string& name, const std::map<std::string, Value>& params) {
    std::string body = scalar("SELECT BODY FROM SYS_PROCEDURES WHERE NAME = '" + name + "'");
    EXPECT_FALSE(body.empty()) << name;
    sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
    std::vector<std::string> rows;
    const char* tail = body.c_str();
    while (*tail) {
      sqlite3_stmt* st = nullptr;
      EXPECT_EQ(sqlite3_prepare_v2(db_, tail, -1, &st, &tail), SQLITE_OK) << sqlite3_errmsg(db_);
      if (!st) break;
      for (const auto& [param, value] : params) {
        int index = sqlite3_bind_parameter_index(st, ("@" + param).c_str());
        if (index == 0) continue;
        if (auto i = std::get_if<int64_t>(&value)) sqlite3_bind_int64(st, index, *i);
        if (auto s = std::get_if<std::string>(&value)) sqlite3_bind_text(st, index, s->c_str(), -1, SQLITE_TRANSIENT);
      }
      rows.clear();
      int rc;
      while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        rows.push_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
      EXPECT_EQ(rc, SQLITE_DONE) << sqlite3_errmsg(db_);
      sqlite3_finalize(st);
    }
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    return rows;
  }

  std::string scalar(const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr);
    std::string out;
    if (st && sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0))
      out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    return out;
  }

 private:
  sqlite3* db_ = nullptr;
};

using Ids = std::vector<std::string>;

}  // namespace

TEST(ErpStoredProcedures, StockOfAnArticleInAWarehouse) {
  TempFolder folder;
  erpserver::createDemoCompany(folder.path());
  Procedures db(folder.file("DEMO.db"));
  EXPECT_EQ(db.run("sp_ost_Get_ARTIGOARMAZEM", {{"Artigo", "A001"}, {"Armazem", "A2"}}), Ids{"A001"});
  EXPECT_EQ(db.scalar("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = 'A001' AND ARMAZEM = 'A2'"), "50.0");
  EXPECT_TRUE(db.run("sp_ost_Get_ARTIGOARMAZEM", {{"Artigo", "A001"}, {"Armazem", "A3"}}).empty());
  // A value is bound, never spliced: a quote in it is just part of the code.
  EXPECT_TRUE(db.run("sp_ost_Get_ARTIGOARMAZEM", {{"Artigo", "A001' OR '1'='1"}, {"Armazem", "A1"}}).empty());
}

TEST(ErpStoredProcedures, EachPreselectionFilterAndTheDateLimit) {
  TempFolder folder;
  erpserver::createDemoCompany(folder.path());
  Procedures db(folder.file("DEMO.db"));
  const std::map<int64_t, Ids> expected = {
      {0, {"1", "2", "3", "4", "5", "6"}}, {1, {"1", "2", "3", "4"}}, {2, {"5"}}, {3, {"6"}},
      {4, {"3", "4"}},                     {5, {"1"}},                {6, {"2"}}, {7, {"7"}},
  };
  for (const auto& [filter, ids] : expected)
    EXPECT_EQ(db.run("sp_ost_Get_ORDENSFABRICO", {{"Tipo", filter}, {"Data", std::monostate{}}}), ids) << filter;

  EXPECT_EQ(db.run("sp_ost_Get_ORDENSFABRICO", {{"Tipo", int64_t{0}}, {"Data", "2024-02-01"}}), (Ids{"1", "2", "3"}));
  EXPECT_EQ(db.run("sp_ost_Get_ORDENSFABRICO", {{"Tipo", int64_t{4}}, {"Data", "2024-02-10 00:00:00"}}),
            (Ids{"3", "4"}));
  EXPECT_TRUE(db.run("sp_ost_Get_ORDENSFABRICO", {{"Tipo", int64_t{1}}, {"Data", "2023-12-31"}}).empty());
}

TEST(ErpStoredProcedures, SequenceSwapIsAllOrNothing) {
  TempFolder folder;
  erpserver::createDemoCompany(folder.path());
  Procedures db(folder.file("DEMO.db"));
  EXPECT_EQ(db.run("SP_OST_ORDEMFABRICO_TROCASEQ", {{"Ordem1", int64_t{1}}, {"Ordem2", int64_t{5}}}), (Ids{"1", "5"}));
  EXPECT_EQ(db.scalar("SELECT group_concat(SEQUENCIA) FROM (SELECT SEQUENCIA FROM ORDENSFABRICO ORDER BY ORDEMID)"),
            "5,2,3,4,1,6,7");
  EXPECT_EQ(db.run("sp_ost_Get_ORDENSFABRICO", {{"Tipo", int64_t{0}}, {"Data", std::monostate{}}}),
            (Ids{"5", "2", "3", "4", "1", "6"}));

  // With one order missing nothing moves.
  db.run("SP_OST_ORDEMFABRICO_TROCASEQ", {{"Ordem1", int64_t{2}}, {"Ordem2", int64_t{99}}});
  EXPECT_EQ(db.scalar("SELECT group_concat(SEQUENCIA) FROM (SELECT SEQUENCIA FROM ORDENSFABRICO ORDER BY ORDEMID)"),
            "5,2,3,4,1,6,7");
}
