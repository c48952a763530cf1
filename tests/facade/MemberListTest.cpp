#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The public interface of the facade in slot order; a property with both accessors is listed twice.
const std::vector<std::string> kInterface = {
    "DataAccess", "DataAccess", "LigacaoCtb", "ApiInicia", "ApiTermina",
    "LerArtigo", "GravarArtigo", "ArtigoDuplicar", "ArtigoCriar", "CriarArtigo", "LerCliente", "CriarCliente",
    "ClienteCriar", "SetNumVias", "LerFornecedor", "CriarFornecedor", "HaStockDoArtigo", "RemoverDocumento",
    "LoadDocumento", "LoadArtigo", "LoadCliente", "UltimoErro",
    "MF_MovEntradaProducaoCriar", "MF_MovEntradaFornecedorCriar", "MF_MovGuiaRemessaCriar",
    "MF_MovSaidaDeConsumoCriar", "MF_MovSaidaConsMultiArmCriar", "MF_MovDevolucaoSaidaDeConsumoCriar",
    "MF_ActualizarPrcCustoMedio", "VT_LerPreSelecionadas", "VT_Ordens_TrocaSequencia", "INEMER_DocValidar",
    "INEMER_DocInserir", "INEMER_DocAlterar", "INEMER_DocLer", "EP_OrcamentoVendaInserir",
    "EP_MovSaidaDeConsumoCriar", "EP_MovDevolucaoSaidaDeConsumoCriar", "EP_MovEntradaProducaoCriar",
    "EP_MovEntradaProdMultiArmCriar", "CF_DocGenInserir", "CF_DocNotaCreditoInserir", "CF_DocGenInserirTipoLinha",
    "CF_DocGenAlterar", "CF_DocGenRemover", "NxtDocComercialCriar", "DocGenInserirMultiArm",
    "DocGTInserirMultiArm", "DocNotaCreditoInserirMultiArm", "DocGenClonarComo", "DocGenCalculaDesconto",
    "NxtAlloc_ParametrosAplicacao", "NxtAlloc_Artigos", "NxtAlloc_Clientes", "NxtAlloc_Fornecedores",
    "NxtAlloc_DocumentoComercial", "NxtAlloc_DocumentosGcLin", "NxtAlloc_LotesLinha",
    "NxtAlloc_DocumentoContabilistico", "NxtAlloc_DocumentoFinanceiro", "NxtAlloc_DocumentosCcLin",
    "TransaccaoIniciar", "TransaccaoTerminar", "TransaccaoCancelar", "Inserir", "MarcarTotalmenteConvertido",
    "TemplateCabecalho", "TemplateLinhas", "TemplateLotes", "LigaContabilidade", "LigaContabilidade",
    "ErroNumero", "ErroDescricao", "UsaDescricao", "UsaPrecoUnitario", "UsaDescontoLinha",
    "UsaDescontoLinhaComposto", "TemLigacaoContabilidade", "RegimeIVANacional", "MoedaNacional", "UsaLogOstrel",
    "CF_DocGenInserirAuto", "DocGenInserirMultiArmAuto", "NxtAlloc_NumSerieLinha",
    "DocNotaCreditoInserirMultiArmAuto",
};

std::string withoutComments(std::istream& in) {
  std::string out, line;
  while (std::getline(in, line)) out += line.substr(0, line.find("//")) + "\n";
  return out;
}

// The member functions declared in the public part of the facade's class, in declaration order.
std::vector<std::string> declaredMembers() {
  std::filesystem::path header =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "src/facade/BAL_Next.hpp";
  std::ifstream in(header);
  EXPECT_TRUE(in) << header;
  std::string text = withoutComments(in);
  std::size_t begin = text.find("public:", text.find("class BAL_Next"));
  std::size_t end = text.find("private:", begin);
  std::string body = text.substr(begin, end - begin);

  std::vector<std::string> names;
  static const std::regex firstCall(R"((\w+)\s*\()");
  std::stringstream declarations(body);
  std::string declaration;
  while (std::getline(declarations, declaration, ';')) {
    std::smatch m;
    if (std::regex_search(declaration, m, firstCall) && m[1] != "BAL_Next") names.push_back(m[1]);
  }
  return names;
}

TEST(BalNextMemberList, EveryInterfaceMemberIsDeclaredInSlotOrder) {
  std::vector<std::string> declared = declaredMembers();
  std::size_t n = std::min(declared.size(), kInterface.size());
  for (std::size_t i = 0; i < n; ++i) {
    ASSERT_EQ(declared[i], kInterface[i]) << "slot " << i << ": expected " << kInterface[i] << " next";
  }
  EXPECT_EQ(declared.size(), kInterface.size());
}

}  // namespace
