#pragma once
// The master data the reference ERP keeps in memory. Ownership: one per open company, owned
// with its connection. Threads: one at a time, under the company's lock.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "erpserver/store/Database.hpp"

namespace erpserver {

struct DocType {
  std::string code;
  char entity;     // 'C' client, 'F' supplier, 'N' none
  char stock;      // 'E' entry, 'S' exit, 'N' none, 'T' transfer into `destination`
  bool movesLots;  // the lots of its lines move the lot table
  bool sale;       // priced at sale prices
  std::string destination;
  std::string journal;  // accounting journal, empty when the type is not posted
  int sign;             // 1: the counterpart is debited, -1: credited
  // An entry whose lots are not entered: a return that gives issued lots back.
  bool releasesLots() const { return stock == 'E' && !movesLots; }
};

struct Article {
  std::string code, name, baseUnit, saleUnit, family, subfamily, group;
  int vat = 0;
  bool stock = false;
  bool lots = false;
  double pvpSiv = 0, pvpCiv = 0, averageCost = 0, lastCost = 0, standardCost = 0;
};

// The counterpart of a document: its defaults for the header.
struct Party {
  std::string currency, vatRegime, salesperson, taxNumber, group;
};

// The master data that document rules look up, read once and kept across actions while the
// database does not change under it: refresh() drops everything when the data version moved since
// the last look (a file's PRAGMA data_version, a server company's master-data version) by more
// than the server's own cost writes raised it, or when writes it took costs from were undone since;
// the server calls invalidate() after its other master-data writes. Found and missing codes are
// both kept.
// It looks once per write transaction (a group counts one); reads between writes take what the
// last look found.
class Catalog {
 public:
  // A server company made before it had a master-data version is read afresh for every action.
  explicit Catalog(sql::Database& db);

  void refresh();
  void invalidate();
  // The costs the server has just written for an article, by `statements` statements for all of
  // the articles written with it (each raises a server company's master-data version once).
  void costsWritten(const std::string& code, double last, double average);
  void costStatementsSent(int statements);

  // Refuses an unknown (or empty) document type.
  const DocType& docType(const std::string& code);
  const Article* article(const std::string& code);
  // A client ('C') or supplier ('F').
  const Party* party(char entity, const std::string& code);
  [[nodiscard]] std::optional<double> vatRate(int64_t code);
  bool vatExempt(const std::string& regime);
  bool seriesExists(const std::string& type, int32_t series);
  // True when `table` has the CODIGO `code` (false for empty text).
  bool exists(const char* table, const std::string& code);
  // A column of the company's parameters (MOEDANAC, REGIVANAC, ...).
  const std::string& parameter(const char* column);

 private:
  sql::Database& db_;
  bool versioned_;
  int64_t dataVersion_ = -1;
  uint64_t checkedIn_ = 0;  // the write transaction of the last look (Database::writeSerial)
  // Since the last look: the raises of the data version expected from the server's own cost
  // statements, and whether costs were taken from writes; and the undos counted at that look.
  int64_t ownRaises_ = 0;
  bool costsTaken_ = false;
  uint64_t undoSeen_ = 0;
  std::unordered_map<std::string, DocType> types_;
  std::unordered_map<std::string, std::optional<Article>> articles_;
  std::unordered_map<std::string, std::optional<Party>> parties_;
  std::unordered_map<int64_t, std::optional<double>> vatRates_;
  std::unordered_map<std::string, bool> codes_;  // "<table>\n<code>", series as "SERIES\n<type>\n<n>"
  std::unordered_map<std::string, std::string> parameters_;
};

}  // namespace erpserver
