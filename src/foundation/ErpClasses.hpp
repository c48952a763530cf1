#pragma once

// The ERP automation server's classes that the library creates, as the library names them.
// The prefix written here is not used: the factory tries its own prefixes in turn.
// Constants only; any thread.
namespace qvd::erpclass {

inline constexpr const char* BaseNext = "ErpApiNextPlus.BaseNext";
inline constexpr const char* ParametrosAplicacao = "ErpApiNextPlus.ParametrosAplicacao";
inline constexpr const char* Artigos = "ErpApiNextPlus.Artigos";
inline constexpr const char* Clientes = "ErpApiNextPlus.Clientes";
inline constexpr const char* Fornecedores = "ErpApiNextPlus.Fornecedores";
inline constexpr const char* DocumentoComercial = "ErpApiNextPlus.DocumentoComercial";
inline constexpr const char* DocumentosGcLin = "ErpApiNextPlus.DocumentosGcLin";
inline constexpr const char* LotesLinha = "ErpApiNextPlus.LotesLinha";
inline constexpr const char* NumSerieLinha = "ErpApiNextPlus.NumSerieLinha";
inline constexpr const char* DocumentoContabilistico = "ErpApiNextPlus.DocumentoContabilistico";
inline constexpr const char* DocumentoFinanceiro = "ErpApiNextPlus.DocumentoFinanceiro";
inline constexpr const char* DocumentosCcLin = "ErpApiNextPlus.DocumentosCcLin";
inline constexpr const char* ExcepDescontosComissoes = "ErpApiNextPlus.ExcepDescontosComissoes";

// The two prefixes under which the server may be installed, in the order the factory tries them.
inline constexpr const char* PrimaryPrefix = "ERPNGCOAPI";
inline constexpr const char* FallbackPrefix = "ErpApiNextPlus";

}  // namespace qvd::erpclass
