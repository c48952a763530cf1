#pragma once

#include <string>

// Small copies of the shapes of ERP tables the library reads and writes directly, for tests of
// the data-access layer.
namespace testing_support {

inline constexpr const char* kSampleTables = R"SQL(
CREATE TABLE DOCGCCAB (
  TPDOC VARCHAR(5) NOT NULL, SERIE SMALLINT NOT NULL, ANO SMALLINT NOT NULL, NNUMDOC INTEGER NOT NULL,
  TERCEIRO VARCHAR(15), DATA DATE, TOTAL REAL, IVAINC SMALLINT, OBSERV TEXT,
  PRIMARY KEY (TPDOC, SERIE, ANO, NNUMDOC));
CREATE TABLE NUMDOC (ANO SMALLINT NOT NULL, DOC VARCHAR(5) NOT NULL, SERIE SMALLINT NOT NULL, NUM INTEGER NOT NULL,
  PRIMARY KEY (ANO, DOC, SERIE));
CREATE TABLE IMPRESSA (CHAVE INTEGER PRIMARY KEY, UTILIZ VARCHAR(20) NOT NULL, TPDOC VARCHAR(5),
  ANO SMALLINT, SERIE SMALLINT, NUMDOC INTEGER, NUMVIA SMALLINT);
CREATE TABLE NOTAS (TEXTO VARCHAR(40), VALOR REAL);
)SQL";

// The same tables for a database server: amounts in double precision and the date with its time.
inline std::string sampleTables(bool server) {
  std::string sql = kSampleTables;
  if (!server) return sql;
  for (auto [from, to] : {std::pair{" REAL", " DOUBLE PRECISION"}, std::pair{"DATA DATE", "DATA TIMESTAMP(0)"}}) {
    for (std::size_t at = sql.find(from); at != std::string::npos; at = sql.find(from, at + 1)) {
      sql.replace(at, std::string(from).size(), to);
    }
  }
  return sql;
}

}  // namespace testing_support
