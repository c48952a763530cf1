#pragma once

#include <optional>
#include <string>

#include "erpserver/Sqlite.hpp"

// Master data the document rules look up.
namespace erpserver {

struct DocType {
  std::string code;
  char entity;  // 'C' client, 'F' supplier, 'N' none
  char stock;   // 'E' entry, 'S' exit, 'N' none, 'T' transfer into `destination`
  bool sale;    // priced at sale prices
  std::string destination;
  std::string journal;  // accounting journal, empty when the type is not posted
  int sign;             // 1: the counterpart is debited, -1: credited
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

// Refuses an unknown document type.
DocType findDocType(sql::Database& db, const std::string& code);
std::optional<Article> findArticle(sql::Database& db, const std::string& code);
// A client ('C') or supplier ('F'), none when the code is unknown.
std::optional<Party> findParty(sql::Database& db, char entity, const std::string& code);
// The rate of a VAT code, none when the code is unknown.
std::optional<double> vatRate(sql::Database& db, int64_t code);
bool isVatExempt(sql::Database& db, const std::string& regime);

}  // namespace erpserver
