#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>

#include "oplog/LogErrosApi.hpp"
#include "platform/HostSettings.hpp"
#include "platform/System.hpp"
#include "support/ErrorOf.hpp"
#include "support/TempFolder.hpp"
#include "support/TextFiles.hpp"

namespace fs = std::filesystem;
using qvd::LogErrosApi;
using testing_support::errorOf;

namespace {

const std::string kRule(120, '-');

class LogFile : public ::testing::Test {
 protected:
  void TearDown() override { LogErrosApi::setFileEncoding(qvd::LogFileEncoding::HostCodePage); }

  std::string contents(const fs::path& in) const { return testing_support::readFile(in / "OST_LOGNXTAPI.LOG"); }
  std::string contents() const { return contents(folder_); }

  // The file with every timestamp line checked and replaced by a fixed one.
  std::string contentsAtFixedTime(const fs::path& in) const {
    static const std::regex stamp("\r\n----- \\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d\r\n");
    return std::regex_replace(contents(in), stamp, "\r\n----- dd-mm-yyyy hh:mm:ss\r\n");
  }
  std::string contentsAtFixedTime() const { return contentsAtFixedTime(folder_); }

  testing_support::TempFolder folder;
  const fs::path folder_ = folder.path();
};

}  // namespace

TEST_F(LogFile, RecordMatchesTheLayoutByteForByte) {
  LogErrosApi::setFileEncoding(qvd::LogFileEncoding::Utf8);
  LogErrosApi log;
  log.ErroNum(987654);
  log.ErroTxt("Falha ção " + std::string(130, 'e'));
  log.ErroModulo("MóduloMuitoComprido");
  log.ErroRotina("DocGenInserir");
  log.ErroOperacao("Inserir");
  log.HdrAdd("FA", "TipoDoc");
  log.HdrAdd("Açores", "Nome do cliente muito longo");
  log.HdrAdd(std::string(121, 'v'), "Observ");
  log.LinAdd(1, "  ART-1 ", "nome secreto", 1234.56, 3, "A1");
  log.LinAdd(2, "ÁRTIGO-COMPRIDO-DEMAIS", "nome secreto", 0.4, -1500.5, "Armazém");
  log.LinAdd(4, "X", "nome secreto", 1, 1, "A9");

  auto lots = std::make_shared<qvd::cDocLotes>();
  auto first = std::make_shared<qvd::colLotes>();
  first->Add("ART-1", 2, "LOTE-A", "V");
  first->Add("ART-1", 1234567.8, "  LOTE-COM-NOME-LONGO ", "");
  auto second = std::make_shared<qvd::colLotes>();
  second->Add("ÁRTIGO", 0.2, "L2", "");
  lots->SetLotesDaLinha(1, first);
  lots->SetLotesDaLinha(2, second);
  log.Lotes(lots);

  EXPECT_FALSE(log.Save(folder_.string()));
  std::string expected = kRule + "\r\n" +
                         "----- dd-mm-yyyy hh:mm:ss\r\n" +
                         kRule + "\r\n" +
                         "Falha ção " + std::string(110, 'e') + "\r\n"
                         "\r\n"
                         "No Modulo MóduloMuitoCompRotina DocGenInserir                  Operação Inserir                       \r\n"
                         "\r\n"
                         "TipoDoc              = FA\r\n"
                         "Nome do cliente muit = Açores\r\n"
                         "Observ               = " + std::string(120, 'v') + "... (121 characters)\r\n"
                         "\r\n"
                         "Linha Artigo               Pr.Un        Qnt Arm\r\n"
                         "    1 ART-1                1,235          3 A1\r\n"
                         "    2 ÁRTIGO-COMPRIDO                -1,501 Armazém\r\n"
                         "    3\r\n"
                         "\r\n"
                         "Lotes\r\n"
                         "Lote            Artigo                 Qnt      Linha\r\n"
                         "LOTE-A          ART-1                    2          1 \r\n"
                         "LOTE-COM-NOME-L ART-1            1,234,568          1 \r\n"
                         "L2              ÁRTIGO                              2 \r\n"
                         "\r\n";
  EXPECT_EQ(contentsAtFixedTime(), expected);
  EXPECT_EQ(contents().find("987654"), std::string::npos);
  EXPECT_EQ(contents().find("secreto"), std::string::npos);
}

// The folder is named in UTF-8, with letters outside ASCII.
TEST_F(LogFile, SavesAppendToOneFileWhateverTheFinalSeparator) {
  const fs::path named = folder_ / u8"Grüße";
  fs::create_directory(named);
  std::ofstream(named / "OST_LOGNXTAPI.LOG", std::ios::binary) << "earlier\r\n";
  LogErrosApi log;
  log.ErroTxt("sem lotes");
  const std::string utf8 = folder.file("Grüße");
  log.Save(utf8);
  log.Save(utf8 + "/");
  log.Save(utf8 + "\\");

  std::string file = contentsAtFixedTime(named);
  EXPECT_EQ(testing_support::occurrences(file, "\r\n----- "), 3u);
  EXPECT_TRUE(file.starts_with("earlier\r\n" + kRule + "\r\n"));
  EXPECT_TRUE(file.ends_with("Linha Artigo               Pr.Un        Qnt Arm\r\n\r\n"));
  EXPECT_EQ(std::distance(fs::directory_iterator(named), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(LogFile, HostGroupSeparatorAndLatin1AreHonoured) {
  automation::ScopedHostSettings european({",", ".", "dd-mm-yyyy"});
  LogErrosApi::setFileEncoding(qvd::LogFileEncoding::Latin1);
  LogErrosApi log;
  log.ErroTxt("€ 5");
  log.LinAdd(1, "A", "", 1234.56, 0, "");
  log.Save(folder_.string());

  std::string file = contents();
  EXPECT_NE(file.find("\r\n    1 A                    1.235            \r\n"), std::string::npos);
  EXPECT_NE(file.find(" Opera\xE7\xE3o "), std::string::npos);
  EXPECT_NE(file.find("\r\n? 5\r\n"), std::string::npos);
}

// Without a choice of the host's, the file is in the system's own code page: UTF-8 on a system
// whose text is UTF-8, Windows-1252 on a western Windows (where the euro sign is 0x80).
TEST_F(LogFile, TheDefaultEncodingIsTheSystemsCodePage) {
  LogErrosApi log;
  log.ErroTxt("Grüße € 5");
  log.Save(folder_.string());

  std::string file = contents();
  unsigned page = automation::system::ansiCodePage();
  if (page == 65001) {
    EXPECT_NE(file.find(" Operação "), std::string::npos);
    EXPECT_NE(file.find("\r\nGrüße € 5\r\n"), std::string::npos);
  } else if (page == 1252) {
    EXPECT_NE(file.find(" Opera\xE7\xE3o "), std::string::npos);
    EXPECT_NE(file.find("\r\nGr\xFC\xDF" "e \x80 5\r\n"), std::string::npos);
  } else {
    GTEST_SKIP() << "no expectation written for code page " << page;
  }
}

TEST_F(LogFile, MissingFolderWritesNothingAndDuplicateKeysRaise) {
  LogErrosApi log;
  log.HdrAdd("1", "Serie");
  log.LinAdd(1, "A", "", 1, 1, "");
  EXPECT_EQ(errorOf([&] { log.HdrAdd("2", "SERIE"); }), 457);
  EXPECT_EQ(errorOf([&] { log.LinAdd(1, "B", "", 1, 1, ""); }), 457);

  fs::path missing = folder_ / "does-not-exist";
  EXPECT_FALSE(log.Save(missing.string()));
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(LogFile, ConcurrentWritersInterleaveWholeRecords) {
  constexpr int kSaves = 200;
  auto writer = [this](const std::string& who) {
    LogErrosApi log;
    log.ErroTxt(who);
    for (int i = 1; i <= 20; ++i) log.LinAdd(static_cast<int16_t>(i), who, "", i, i, who);
    for (int i = 0; i < kSaves; ++i) log.Save(folder_.string());
  };
  std::thread a(writer, "writer-a");
  std::thread b(writer, "writer-b");
  a.join();
  b.join();

  std::string file = contentsAtFixedTime();
  std::string rule = kRule + "\r\n";
  std::size_t records = 0;
  for (std::size_t at = 0; at < file.size(); ++records) {
    std::size_t next = file.find(rule + "----- ", at + 1);
    std::string one = file.substr(at, next == std::string::npos ? std::string::npos : next - at);
    std::string who = one.find("writer-a") != std::string::npos ? "writer-a" : "writer-b";
    ASSERT_EQ(one.find(who == "writer-a" ? "writer-b" : "writer-a"), std::string::npos);
    ASSERT_TRUE(one.ends_with(" " + who + "\r\n\r\n"));
    at = next == std::string::npos ? file.size() : next;
  }
  EXPECT_EQ(records, 2u * kSaves);
}
