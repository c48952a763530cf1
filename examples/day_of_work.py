"""A day of work on a fresh demo company, from Python, through QuarvelVaroDav.

An invoice under a number of our own, a credit note for part of it, flour and paint taken out
for production by lot, two invoices in a transaction that is then cancelled, and an invoice the
ERP refuses, which the operation log keeps. Each document's key is printed.

    PYTHONPATH=build/python python3 examples/day_of_work.py [FOLDER]

FOLDER (made when missing, and holding no company yet) gets the demo company; without it the
company goes to a new temporary folder.
"""
import datetime
import os
import sys
import tempfile

import quarvelvarodav as qvd

pasta = sys.argv[1] if len(sys.argv) > 1 else tempfile.mkdtemp(prefix="qvd-day-")
qvd.RegisterErp()  # the reference ERP server, in this process
try:
    dados = qvd.OpenSqlite(qvd.CreateCompany(pasta))  # a demo company and the data-access object on it
except qvd.Error as e:
    sys.exit(f"{e}\nGive this script an empty folder.")

bal = qvd.CreateObject("QuarvelVaroDav.BAL_Next")
bal.DataAccess = dados
if not bal.ApiInicia(pasta, pasta, "DEMO", "admin", "admin"):
    sys.exit(f"No session on {pasta}: {bal.ErroNumero} {bal.ErroDescricao}")

hoje = datetime.date.today()
data, ano = hoje.strftime("%d-%m-%Y"), hoje.year


def texto(chave):
    return f"{chave.sTpDoc} {chave.iSerie}/{chave.iAno} no. {chave.lNumDoc}"


def criado(o_que, resposta):
    """The key of a created document; a call with by-reference arguments gives
    (result, their values in order), and the key is the last of them."""
    feito, *_, chave = resposta
    if not feito:
        sys.exit(f"{o_que} refused: {bal.ErroNumero} {bal.ErroDescricao}")
    print(f"{o_que}: {texto(chave)}")
    return chave


# 1. An invoice from arrays under our own number, 5001 in series 2. The arrays carry their own
# bounds and lines are read from index 1; a negative iAno asks for lNumDoc as the number.
linhas = qvd.Array(["A001", "P001"], lower=1)
bal.UsaPrecoUnitario = True  # one-shot: our prices over the ERP's suggestions
fatura = criado("Invoice", bal.CF_DocGenInserir(
    qvd.NaoIndicado, qvd.tpDefault, "FA", "S1", 2, "C001", "LOJA-22", "PO-981", data, "Preços acordados", "A1",
    False, "", linhas, qvd.Array(["", ""], lower=1), qvd.Array([20, 1], lower=1), qvd.Array([0.45, 189], lower=1),
    qvd.Array(["", "Mesa com acabamento mate"], lower=1), qvd.Record("KeyDocumNext", iAno=-1, lNumDoc=5001)))

# 2. A credit note for five of those screws. A plain list is an array from index 0, which the
# library does not read, so the first line goes at index 1.
bal.UsaPrecoUnitario = True
criado("Credit note", bal.CF_DocNotaCreditoInserir(
    qvd.NaoIndicado, texto(fatura), "Devolução de parafusos", qvd.tpDefault, "NC", "S1", 1, "C001", "LOJA-22",
    "DEV-3", data, "", "A1", False, "", ["", "A001"], ["", ""], [0, 5], [0, 0.45], ["", ""],
    qvd.Record("KeyDocumNext")))

# 3. Flour and paint taken out for production, each from a lot of its own.
armazem = dict(Armazem="A1", Sector="PROD", DocTransf="TR", SerieTransf=1, DocSaidaCons="SC", SerieSaidaCons=1,
               DocEntProd="EP", SerieEntProd=1, DocGuiaEntFornecedor="GEF", SerieGuiaEntFornecedor=1,
               DocGuiaRemessa="GR", SerieGuiaRemessa=1, DocDevolConsumo="DC", SerieDevolConsumo=1)
movimentos = qvd.Record(
    "TipificacaoTransf", ArmMatPrima=qvd.Record("TipificacaoArmazem", **armazem),
    ArmFabrico=qvd.Record("TipificacaoArmazem", **dict(armazem, Armazem="A2")),
    ArmAcabados=qvd.Record("TipificacaoArmazem", **armazem), Data=data, Ano=ano, Moeda="EUR",
    TipoPreco=qvd.tpDefault, CriaTransf=qvd.CriaNaCriacao)
lotes = qvd.CreateObject("QuarvelVaroDav.cDocLotes")
for linha, artigo, lote, quantidade in [(1, "A003", "L-A003-1", 20), (2, "A002", "L-A002-1", 4)]:
    da_linha = lotes.LotesDaLinha(linha)
    da_linha.Add(artigo, quantidade, lote, "")
    lotes.SetLotesDaLinha(linha, da_linha)
criado("Consumption exit", bal.EP_MovSaidaDeConsumoCriar(
    qvd.tpDefault, movimentos, "OF2024/003", qvd.Array(["A003", "A002"], lower=1), qvd.Array([20, 4], lower=1),
    None, lotes, qvd.Record("KeyDocumNext")))  # no prices: the library takes the average costs


# 4. Two invoices in a transaction, then cancelled: both are removed again. The ERP's own
# document object, called by name as well, tells whether each is still there.
def fatura_simples(artigo, quantidade):
    return bal.CF_DocGenInserir(qvd.NaoIndicado, qvd.tpDefault, "FA", "S1", 1, "C002", "", "", data, "", "A1",
                                False, "", ["", artigo], ["", ""], [0, quantidade], [0, 0], ["", ""],
                                qvd.Record("KeyDocumNext"))


bal.TransaccaoIniciar()
na_transaccao = [criado("In the transaction", fatura_simples(a, q)) for a, q in [("A001", 7), ("P001", 1)]]
bal.TransaccaoCancelar()
documento = bal.NxtAlloc_DocumentoComercial()
for chave in na_transaccao:
    existe = documento.Ler(chave.sTpDoc, chave.lNumDoc, chave.iSerie, chave.iAno) == 0
    print(f"After cancelling: {texto(chave)} {'is still there' if existe else 'is gone'}")

# 5. An invoice for an article that does not exist, with the operation log on: the ERP refuses
# it and the log keeps the document.
bal.UsaLogOstrel = True
feito, *_, chave = fatura_simples("Z404", 1)
print(f"Refused: {bal.ErroNumero} {bal.ErroDescricao}" if not feito else f"Not refused: {texto(chave)}")
with open(os.path.join(pasta, "OST_LOGNXTAPI.LOG"), encoding="cp1252", errors="replace") as log:
    registo = log.read()
print(f"The operation log {log.name} {'keeps' if 'Z404' in registo else 'does not keep'} the refused invoice")

bal.ApiTermina()
print(f"The company stays in {pasta}")
