#include "erpserver/schema/DemoData.hpp"

namespace erpserver {

const char* const kDemoData = R"SQL(
INSERT INTO MOEDAS VALUES ('EUR', 'Euro', 2), ('USD', 'Dólar americano', 2);
INSERT INTO REGIVA VALUES ('NAC', 'Nacional', 0), ('CEE', 'Intracomunitário', -1), ('EXP', 'Exportação', -1);
INSERT INTO PARAMS (ID, NOMEEMP, LIGACAOCTB, REGIVANAC, MOEDANAC, STKNEG, LOTEXPIR) VALUES
  (1, 'Empresa de demonstração', -1, 'NAC', 'EUR', 0, 0);

INSERT INTO UNIDADES VALUES ('UN', 'Unidade'), ('KG', 'Quilograma'), ('LT', 'Litro'), ('MT', 'Metro');
INSERT INTO IVAS VALUES (0, 'Isento', 0), (1, 'Reduzida', 6), (2, 'Intermédia', 13), (3, 'Normal', 23);
INSERT INTO FAMILIAS VALUES ('F01', 'Ferragens'), ('F02', 'Alimentar');
INSERT INTO GRUPOS VALUES ('MP', 'Matérias-primas'), ('PA', 'Produto acabado'), ('MERC', 'Mercadorias');
INSERT INTO GRUPOSCLI VALUES ('G1', 'Retalho'), ('G2', 'Revenda');
INSERT INTO ARMAZENS VALUES ('A1', 'Armazém central'), ('A2', 'Armazém de fábrica'), ('A3', 'Armazém de reserva');
INSERT INTO SECTORES VALUES ('S1', 'Comercial'), ('PROD', 'Produção');
INSERT INTO VENDEDORES VALUES ('V1', 'Ana Sousa'), ('V2', 'Rui Lopes');

INSERT INTO ARTIGOS (CODIGO, NOME, FAMILI, GRUPO, UNBASE, UNVND, UNCMP, TPBEM, IVA, CTRSTO, CTRLOTE,
                     ULTPMP, ULTPRC, PRSTND, PVPSIV, PVPCIV) VALUES
  ('A001', 'Parafuso M6', 'F01', 'MERC', 'UN', 'UN', 'UN', 0, 3, -1, 0, 0.2, 0.22, 0.25, 0.5, 0.615),
  ('A002', 'Tinta branca', 'F01', 'MP', 'LT', 'LT', 'LT', 0, 3, -1, -1, 4, 4.2, 4.1, 9.9, 12.177),
  ('A003', 'Farinha tipo 65', 'F02', 'MP', 'KG', 'KG', 'KG', 0, 1, -1, -1, 0.6, 0.65, 0.6, 1.2, 1.272),
  ('P001', 'Mesa de pinho', 'F01', 'PA', 'UN', 'UN', 'UN', 0, 3, -1, 0, 80, 0, 85, 199, 244.77),
  ('S001', 'Montagem', NULL, NULL, 'UN', 'UN', NULL, 1, 3, 0, 0, 0, 0, 0, 25, 30.75);

INSERT INTO ARTARM VALUES
  ('A001', 'A1', 100, 100, 0), ('A001', 'A2', 50, 50, 0),
  ('A002', 'A1', 60, 60, 0), ('A002', 'A2', 15, 15, 0),
  ('A003', 'A1', 300, 300, 0), ('A003', 'A2', 0, 0, 0),
  ('P001', 'A1', 10, 10, 0), ('P001', 'A2', 2, 2, 0);

-- Exits never take a lot past its expiry, and documents are dated today: the lots expire far
-- enough ahead for the demo to work whenever it runs.
INSERT INTO ARTLOT VALUES
  ('A002', 'L-A002-1', 'A1', 40, 0, '2024-01-15', '2099-01-15', 'FORN-77'),
  ('A002', 'L-A002-1', 'A2', 15, 0, '2024-01-15', '2099-01-15', 'FORN-77'),
  ('A002', 'L-A002-2', 'A1', 20, 0, '2024-02-20', '2099-02-20', 'FORN-91'),
  ('A003', 'L-A003-1', 'A1', 200, 0, '2024-02-01', '2098-08-01', NULL),
  ('A003', 'L-A003-2', 'A1', 100, 0, '2024-03-01', '2098-09-01', NULL);

INSERT INTO CLIENTES VALUES
  ('C001', 'Café Central, Lda.', 'Rua Direita 10', 'Braga', '4700-001', 'PT', '501234567', 'NAC', 'EUR', 'V1', 'N', 'G1'),
  ('C002', 'Revenda Ibérica, S.L.', 'Calle Mayor 5', 'Vigo', '36201', 'ES', 'B36123456', 'CEE', 'EUR', 'V2', 'ES', 'G2');
INSERT INTO FORNECEDORES VALUES
  ('F001', 'Tintas do Norte, S.A.', 'Zona Industrial 3', 'Porto', '4100-100', 'PT', '502345678', 'NAC', 'EUR'),
  ('F002', 'Moagem do Vale, Lda.', 'Estrada Nacional 1', 'Coimbra', '3000-200', 'PT', '503456789', 'NAC', 'EUR');

-- A consumption return (an entry that does not move lots as entries) gives its lots back by lowering
-- their issued quantity (QTDSID).
INSERT INTO TIPOSDOC (CODIGO, DESCR, ENTIDADE, MOVSTK, MOVLOTE, VENDA, ARMDESTINO, DIARIO, SINALCTB) VALUES
  ('ORC', 'Orçamento de venda', 'C', 'N', -1, -1, NULL, NULL, 1),
  ('FA', 'Fatura', 'C', 'S', -1, -1, NULL, 'VND', 1),
  ('NC', 'Nota de crédito', 'C', 'E', -1, -1, NULL, 'VND', -1),
  ('GR', 'Guia de remessa', 'C', 'S', -1, -1, NULL, NULL, 1),
  ('GT', 'Guia de transporte', 'C', 'S', -1, -1, NULL, NULL, 1),
  ('GEF', 'Guia de entrada de fornecedor', 'F', 'E', -1, 0, NULL, 'CMP', -1),
  ('EP', 'Entrada de produção', 'N', 'E', -1, 0, NULL, NULL, 1),
  ('SC', 'Saída de consumo', 'N', 'S', -1, 0, NULL, NULL, 1),
  ('DC', 'Devolução de consumo', 'N', 'E', 0, 0, NULL, NULL, 1),
  ('TR', 'Transferência para fábrica', 'N', 'T', -1, 0, 'A2', NULL, 1);
INSERT INTO SERIES VALUES ('ORC', 1, '2024'), ('FA', 1, 'Geral'), ('FA', 2, 'Exportação'), ('NC', 1, 'Geral'),
  ('GR', 1, 'Geral'), ('GT', 1, 'Geral'), ('GEF', 1, 'Geral'), ('EP', 1, 'Geral'), ('SC', 1, 'Geral'),
  ('DC', 1, 'Geral'), ('TR', 1, 'Geral');

INSERT INTO ORDENSFABRICO (ORDEMID, NUMERO, ARTIGO, QUANT, ARMAZEM, PROCESSO, ESTADO, APAGADA, DATA, SEQUENCIA) VALUES
  (1, 'OF2024/001', 'P001', 10, 'A2', 'PRC-001', 0, 0, '2024-01-10', 1),
  (2, 'OF2024/002', 'P001', 5, 'A2', 'PRC-002', 1, 0, '2024-01-20', 2),
  (3, 'OF2024/003', 'P001', 8, 'A2', 'PRC-003', 2, 0, '2024-02-01', 3),
  (4, 'OF2024/004', 'P001', 4, 'A2', 'PRC-004', 2, 0, '2024-02-10', 4),
  (5, 'OF2024/005', 'P001', 6, 'A2', 'PRC-005', 3, 0, '2024-02-15', 5),
  (6, 'OF2024/006', 'P001', 3, 'A2', 'PRC-006', 4, 0, '2024-02-20', 6),
  (7, 'OF2024/007', 'P001', 2, 'A2', 'PRC-007', 0, -1, '2024-03-01', 7);

INSERT INTO DESCONTOS (TIPO, ARTIGO, FAMILIA, GRUPO, CLIENTE, GRUPOCLI, DATAINI, DATAFIM, QTDMIN, DESCONTO, PRIORIDADE) VALUES
  (0, 'A001', NULL, NULL, NULL, NULL, NULL, NULL, 100, '10', 0),
  (0, NULL, 'F02', NULL, 'C001', NULL, NULL, NULL, 0, '10+5', 0),
  (0, NULL, NULL, 'MP', NULL, 'G2', NULL, NULL, 0, '3', 0),
  (0, NULL, 'F01', NULL, NULL, NULL, '2024-01-01', '2024-12-31', 0, '2', 0),
  (1, NULL, NULL, NULL, 'C001', NULL, NULL, NULL, 0, '5', 0);
)SQL";

}  // namespace erpserver
