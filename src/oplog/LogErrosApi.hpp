#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/cDocLotes.hpp"
#include "platform/Collection.hpp"
#include "platform/Date.hpp"

namespace qvd {

// The system's own: the ANSI code page on Windows, UTF-8 where that is the system's text.
enum class LogFileEncoding { HostCodePage, Utf8, Latin1 };

// The particulars of one failed operation, appended as one readable record to the file
// "OST_LOGNXTAPI.LOG" in a folder the caller chooses.
class LogErrosApi : public automation::Object {
 public:
  std::string className() const override { return "LogErrosApi"; }

  // How every log writes its file; the host's code page unless the host asks for another.
  static void setFileEncoding(LogFileEncoding encoding) noexcept;
  static LogFileEncoding fileEncoding() noexcept;

  // Adds one line under the key of `iLin`; 457 when that line was added already. Always false.
  bool LinAdd(int16_t iLin, const std::string& sArt, const std::string& sNom, double dPr, double dQnt,
              const std::string& sArm);
  // Adds one header value under its name; 457 when the name was added already. Always false.
  bool HdrAdd(const std::string& sValor, const std::string& sNome);
  // Keeps the reference, not a copy.
  void Lotes(std::shared_ptr<cDocLotes> value) noexcept { lotes_ = std::move(value); }

  // Appends one record to the log file in `sPerc` (a final "\" or "/" is optional). Never
  // raises: a folder that cannot be written gets nothing. Always false.
  bool Save(const std::string& sPerc) const noexcept;

  const std::string& ErroOperacao() const noexcept { return erroOperacao_; }
  void ErroOperacao(const std::string& value) { erroOperacao_ = value; }
  const std::string& ErroRotina() const noexcept { return erroRotina_; }
  void ErroRotina(const std::string& value) { erroRotina_ = value; }
  const std::string& ErroModulo() const noexcept { return erroModulo_; }
  void ErroModulo(const std::string& value) { erroModulo_ = value; }
  const std::string& ErroTxt() const noexcept { return erroTxt_; }
  void ErroTxt(const std::string& value) { erroTxt_ = value; }
  int32_t ErroNum() const noexcept { return erroNum_; }
  void ErroNum(int32_t value) noexcept { erroNum_ = value; }

 protected:
  const automation::MemberTable* memberTable() const override;

 private:
  std::string record(const automation::Date& when) const;
  std::string lineRow(int32_t line) const;
  void appendLots(std::string& out) const;

  int32_t erroNum_ = 0;
  std::string erroTxt_;
  std::string erroModulo_;
  std::string erroRotina_;
  std::string erroOperacao_;
  automation::Collection headerNames_;
  automation::Collection headerValues_;
  automation::Collection lineArticles_;
  automation::Collection lineNames_;
  automation::Collection linePrices_;
  automation::Collection lineQuantities_;
  automation::Collection lineWarehouses_;
  std::shared_ptr<cDocLotes> lotes_;
};

}  // namespace qvd
