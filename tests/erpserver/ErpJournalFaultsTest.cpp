#include <sys/wait.h>
#include <unistd.h>

#include "erpserver/objects/Dispatch.hpp"
#include "erpserver/testhooks/Faults.hpp"
#include "erpserver/testhooks/Journal.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

std::string id(const ObjectRef& o) { return std::to_string(dynamic_cast<erpserver::ServerObject&>(*o).objectId()); }

// A document of one A001 from A1, not yet inserted.
DocBuilder oneLine(const std::string& type, const std::string& client = "C001") {
  DocBuilder d(type, 1, client);
  d.line("A001", "A1", 1);
  return d;
}

TEST_F(ErpServerTest, JournalRecordsEveryAccessInOrder) {
  using erpserver::Journal;
  startSession();
  ObjectRef doc = erp("DocumentoComercial");
  ObjectRef line = erp("DocumentosGcLin");
  propPut(doc, "Origem", 1);  // before the journal is on: not recorded
  Journal::clear();
  Journal::enable(true);
  propPut(doc, "Origem", 2);
  ObjectRef cab = propGet(doc, "Cab").toObject();
  propPut(cab, "Serie", int16_t{1});
  propPut(line, "Artigo", "A001");
  invoke(doc, "AdicionaLinha", line);
  EXPECT_EQ(errorOf([&] { propGet(doc, "Nada"); }), 438);
  propGet(line, "artigo");
  invoke(doc, "Ler", "FA", 99, int16_t{1}, int16_t{2024});
  Journal::enable(false);
  propPut(doc, "Origem", 3);

  const std::string d = "DocumentoComercial#" + id(doc), c = "CabecDoc#" + id(cab), l = "DocumentosGcLin#" + id(line);
  std::vector<std::string> expected = {
      d + " put Origem = 2 (Long)",
      d + " get Cab -> " + c,
      c + " put Serie = 1 (Integer)",
      l + " put Artigo = \"A001\" (String)",
      d + " call AdicionaLinha(" + l + ") -> 1 (Long)",
      d + " get Nada -> error 438",
      l + " get artigo -> \"A001\" (String)",
      d + " call Ler(\"FA\" (String), 99 (Long), 1 (Integer), 2024 (Integer)) -> 1010 (Long)",
  };
  EXPECT_EQ(Journal::lines(), expected);
}

TEST_F(ErpServerTest, InjectedFaultsTakeEffectOnTheirCall) {
  using erpserver::Faults;
  startSession();
  Faults::clear();
  Faults::returnCode("documentocomercial", "INSERIR", 2, 777, "Falha simulada");
  ASSERT_EQ(oneLine("GR").inserir(), 0);
  DocBuilder b = oneLine("GR");
  EXPECT_EQ(b.inserir(), 777);  // the second Inserir of the class, on another object
  EXPECT_EQ(b.message(), "Falha simulada");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "1");
  EXPECT_EQ(b.inserir(), 0);
  EXPECT_EQ(b.number(), 2);

  // Another writer takes a number just before the fourth Inserir.
  Faults::hook("DocumentoComercial", "Inserir", 4, [] { oneLine("GR", "C002").inserir(); });
  DocBuilder c = oneLine("GR");
  ASSERT_EQ(c.inserir(), 0);
  EXPECT_EQ(c.number(), 4);
  EXPECT_EQ(scalar("SELECT TERCEIRO FROM DOCGCCAB WHERE NNUMDOC = 3"), "C002");

  Faults::clear();
  Faults::raiseError("DocumentosGcLin", "Quantidade", 2, 6, "Excesso simulado");
  Faults::returnCode("CabecDoc", "Data", 1, 5, "Data simulada");
  ObjectRef line = erp("DocumentosGcLin");
  propPut(line, "Quantidade", 1.0);
  RaisedError e = raisedBy([&] { propPut(line, "Quantidade", 2.0); });
  EXPECT_EQ(e.number, 6);
  EXPECT_EQ(e.description, "Excesso simulado");
  EXPECT_DOUBLE_EQ(propGet(line, "Quantidade").toDouble(), 1);  // the third access proceeds
  ObjectRef cab = c.cab();
  EXPECT_EQ(propGet(cab, "Data"), Variant(int32_t{5}));
  EXPECT_EQ(propGet(cab, "UltimaMensagem").toString(), "Data simulada");
  EXPECT_EQ(propGet(cab, "Data").toString(), "15-05-2024");
}

TEST_F(ErpServerTest, TwoProcessesGetDistinctGapFreeNumbers) {
  constexpr int kPerProcess = 1000;
  pid_t children[2];
  for (auto& pid : children) {
    pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int32_t code = -1;
      login(code);
      // Credit notes take stock in, so that any number of them is accepted.
      for (int i = 0; i < kPerProcess && code == 0; ++i) code = oneLine("NC").inserir();
      _exit(code == 0 ? 0 : 1);
    }
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(scalar("SELECT COUNT(DISTINCT NNUMDOC) || ' ' || MIN(NNUMDOC) || ' ' || MAX(NNUMDOC) FROM DOCGCCAB"),
            "2000 1 2000");
  EXPECT_EQ(scalar("SELECT NUM FROM NUMDOC WHERE DOC = 'NC'"), "2000");
  EXPECT_DOUBLE_EQ(stock("A001"), 100 + 2 * kPerProcess);
}

}  // namespace
}  // namespace testing_support
