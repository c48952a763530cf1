#include "oplog/LogErrosApi.hpp"

#include <atomic>
#include <filesystem>

#include "oplog/DisplayNumber.hpp"
#include "platform/Excerpt.hpp"
#include "platform/System.hpp"
#include "platform/Text.hpp"

namespace qvd {
namespace text = automation::text;
using automation::Variant;

namespace {

std::atomic<LogFileEncoding> encodingInUse{LogFileEncoding::HostCodePage};

constexpr const char* kEndOfLine = "\r\n";

// The width of the record's rules; a longer value is cut to it with its length noted, since the
// file is read in an editor and a value may be megabytes long.
constexpr std::size_t kRecordWidth = 120;

std::string lineKey(int32_t line) { return std::to_string(line); }

// A quantity or price column: "########,##" right-aligned in 10.
std::string amount(double value) { return text::alignRight(displayNumber(value, true), 10); }

// A text column: trimmed, then padded or cut to 15.
std::string code(const std::string& value) { return text::fit(text::trim(value), 15); }

std::filesystem::path logFilePath(std::string_view folder) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.remove_suffix(1);
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  return automation::system::pathFromUtf8(std::string(folder) + separator + "OST_LOGNXTAPI.LOG");
}

}  // namespace

void LogErrosApi::setFileEncoding(LogFileEncoding encoding) noexcept { encodingInUse = encoding; }

LogFileEncoding LogErrosApi::fileEncoding() noexcept { return encodingInUse; }

bool LogErrosApi::LinAdd(int16_t iLin, const std::string& sArt, const std::string& sNom, double dPr, double dQnt,
                         const std::string& sArm) {
  std::string key = lineKey(iLin);
  lineArticles_.add(Variant(sArt), key);
  lineNames_.add(Variant(sNom), key);
  linePrices_.add(Variant(dPr), key);
  lineQuantities_.add(Variant(dQnt), key);
  lineWarehouses_.add(Variant(sArm), key);
  return false;
}

bool LogErrosApi::HdrAdd(const std::string& sValor, const std::string& sNome) {
  headerNames_.add(Variant(sNome), sNome);
  headerValues_.add(Variant(sValor), sNome);
  return false;
}

bool LogErrosApi::Save(const std::string& sPerc) const noexcept {
  automation::ignoreError([&] {
    std::string bytes = record(automation::Date::now());
    if (fileEncoding() == LogFileEncoding::Latin1) bytes = text::toLatin1(bytes);
    if (fileEncoding() == LogFileEncoding::HostCodePage) bytes = automation::system::toAnsiCodePage(bytes);
    automation::system::appendWhole(logFilePath(sPerc), bytes);
  });
  return false;
}

// Each column is looked up on its own: a line number with no entry gets only its number.
std::string LogErrosApi::lineRow(int32_t line) const {
  Variant key(lineKey(line));
  std::string row = text::alignRight(displayNumber(line, false), 5);
  automation::ignoreError([&] { row += " " + code(lineArticles_.item(key).toString()); });
  automation::ignoreError([&] { row += " " + amount(linePrices_.item(key).toDouble()); });
  automation::ignoreError([&] { row += " " + amount(lineQuantities_.item(key).toDouble()); });
  automation::ignoreError([&] { row += " " + text::excerpt(lineWarehouses_.item(key).toString(), kRecordWidth); });
  return row;
}

void LogErrosApi::appendLots(std::string& out) const {
  out += std::string("Lotes") + kEndOfLine;
  out += std::string("Lote            Artigo                 Qnt      Linha") + kEndOfLine;
  for (const auto& lots : *lotes_)
    for (const auto& lot : *lots)
      out += code(lot->Lote()) + " " + code(lot->Artigo()) + " " + amount(lot->Quantidade()) + " " +
             amount(lot->Linha()) + " " + kEndOfLine;
  out += kEndOfLine;
}

std::string LogErrosApi::record(const automation::Date& when) const {
  const std::string rule(kRecordWidth, '-');
  std::string out;
  auto line = [&out](const std::string& text) { out += text + kEndOfLine; };

  line(rule);
  line("----- " + when.format("dd-mm-yyyy hh:mm:ss"));
  line(rule);
  line(text::left(erroTxt_, kRecordWidth));
  line("");
  line("No Modulo " + text::fit(erroModulo_, 15) + "Rotina " + text::fit(erroRotina_, 30) + " Operação " +
       text::fit(erroOperacao_, 30));
  line("");
  for (int32_t i = 1; i <= headerNames_.count(); ++i)
    line(text::fit(headerNames_.item(Variant(i)).toString(), 20) + " = " +
         text::excerpt(headerValues_.item(Variant(i)).toString(), kRecordWidth));
  line("");
  line("Linha Artigo               Pr.Un        Qnt Arm");
  for (int32_t n = 1; n <= lineArticles_.count(); ++n) line(lineRow(n));
  line("");
  if (lotes_) appendLots(out);
  return out;
}

}  // namespace qvd
