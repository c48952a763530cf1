#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "erpserver/objects/DocumentFields.hpp"
#include "erpserver/store/Session.hpp"

namespace erpserver {

// The key of a stored commercial document.
struct DocKey {
  std::string tipo;
  int32_t serie = 0;
  int32_t ano = 0;
  int32_t numero = 0;
  bool operator==(const DocKey&) const = default;
  std::string text() const;    // "FA 1/2024 n.º 7"
  std::string series() const;  // "FA 1/2024"
};

// A document header ("CabecDoc"), reached through DocumentoComercial.Cab.
class CabecDoc : public ServerObject {
 public:
  CabecDoc();
};

// A document line, class "DocumentosGcLin": created by the caller, copied into a document by
// AdicionaLinha; the document's own lines are reached through Linhas.
class LinhaDoc : public ServerObject {
 public:
  LinhaDoc();
  std::shared_ptr<LinhaDoc> clone() const;
};

// The lot data of a lot line ("CamposLote"), reached through LotesLinha.Campos.
class CamposLote : public ServerObject {
 public:
  CamposLote();
};

// A lot line, class "LotesLinha": the lot of a document line and the quantity moved.
class LoteLinha : public ServerObject {
 public:
  LoteLinha();
  std::shared_ptr<LoteLinha> clone() const;
  CamposLote& campos() const { return *campos_; }
  Variant camposObject(std::span<Variant> args);

 private:
  std::shared_ptr<CamposLote> campos_;
};

// The lines of a document ("LinhasDoc"): Count and Item(position from 1).
class LinhasDoc : public ServerObject {
 public:
  LinhasDoc();
  std::vector<std::shared_ptr<LinhaDoc>>& lines() { return lines_; }
  const std::vector<std::shared_ptr<LinhaDoc>>& lines() const { return lines_; }
  Variant count(std::span<Variant> args);
  Variant item(std::span<Variant> args);

 private:
  std::vector<std::shared_ptr<LinhaDoc>> lines_;
};

// A commercial document: header, lines and lots in memory, and the key of the stored document
// it represents once it was read or inserted.
class DocumentoComercial : public ServerObject {
 public:
  DocumentoComercial();

  CabecDoc& cab() const { return *cab_; }
  std::vector<std::shared_ptr<LinhaDoc>>& lines() const { return linhas_->lines(); }
  std::vector<std::shared_ptr<LoteLinha>>& lots() { return lots_; }
  const std::vector<std::shared_ptr<LoteLinha>>& lots() const { return lots_; }
  const std::optional<DocKey>& stored() const { return stored_; }
  int32_t origem() const;
  void setOrigem(int32_t origem);

  Variant cabObject(std::span<Variant> args);
  Variant linhasObject(std::span<Variant> args);
  Variant ler(std::span<Variant> args);
  Variant validar(std::span<Variant> args);
  Variant inserir(std::span<Variant> args);
  Variant alterar(std::span<Variant> args);
  Variant remover(std::span<Variant> args);
  Variant sugereValoresLin(std::span<Variant> args);
  Variant adicionaLinha(std::span<Variant> args);
  Variant adicionaLote(std::span<Variant> args);

 private:
  std::shared_ptr<CabecDoc> cab_;
  std::shared_ptr<LinhasDoc> linhas_;
  std::vector<std::shared_ptr<LoteLinha>> lots_;
  std::optional<DocKey> stored_;
  SessionLink link_;
};

}  // namespace erpserver
