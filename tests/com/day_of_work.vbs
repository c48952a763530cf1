' A day of work from VBScript on the demo company in the folder given as the first argument:
' the facade by name, the data-access object, ApiInicia, an invoice, what a script can read
' back, and the errors of a refused and of a raising call. Ends with "N passed, M failed".
Option Explicit
Dim passed, failed
passed = 0
failed = 0

Sub Check(name, ok)
  If ok Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAILED: " & name
  End If
End Sub

Function Two(n)
  Two = Right("0" & n, 2)
End Function

Dim pasta, hoje, dados, bal, chave, feito, artigo, cliente, documento, lotes, lote, e
pasta = WScript.Arguments(0)
hoje = Two(Day(Date)) & "-" & Two(Month(Date)) & "-" & Year(Date)

Set dados = CreateObject("QuarvelVaroDav.SqliteDataAccess")
Check "data access opens the company", dados.Abrir(pasta & "\DEMO.db")
Set bal = CreateObject("QuarvelVaroDav.BAL_Next")
Set bal.DataAccess = dados
Check "session", bal.ApiInicia(pasta, pasta, "DEMO", "admin", "admin")

' An invoice from arrays, from warehouse A2 where the demo company keeps A001; line 0 of a
' script's arrays is not read. The key comes back by
' reference as an object whose fields the script reads.
bal.UsaPrecoUnitario = True
feito = bal.CF_DocGenInserir(0, 0, "FA", "", 1, "C001", "", "PO-981", hoje, "", "A2", False, "", _
    Array("", "A001", "P001"), Array("", "", ""), Array(0, 20, 1), Array(0, 0.45, 189), Array("", "", "Mate"), chave)
Check "invoice", feito
If feito Then WScript.Echo "Invoice: " & chave.sTpDoc & " " & chave.iSerie & "/" & chave.iAno & " no. " & chave.lNumDoc

' The ERP's own document object reads it back.
Set documento = bal.NxtAlloc_DocumentoComercial()
Check "invoice read back", documento.Ler(chave.sTpDoc, chave.lNumDoc, chave.iSerie, chave.iAno) = 0
Check "invoice client", documento.Cab.Terceiro = "C001"
' A line's description goes on a text line of its own, before its article's line.
Check "invoice lines", documento.Linhas.Count = 3

' Articles and clients by reference, and the library's own objects.
Check "article read", bal.LerArtigo("A001", artigo)
Check "article name", Len(artigo.Nome) > 0
Check "client read", bal.LerCliente("C001", cliente)
Check "client name", Len(cliente.Nome) > 0
Set lotes = CreateObject("QuarvelVaroDav.colLotes")
lotes.Add "A003", 20, "L-1", ""
Check "lots", lotes.Count = 1
Set lote = CreateObject("QuarvelVaroDav.NxDocComercial")
Check "document object", Not lote.Cab Is Nothing

' A refused call returns False with the ERP's number and text; nothing is raised.
On Error Resume Next
feito = bal.CF_DocGenInserir(0, 0, "FA", "", 1, "C001", "", "", hoje, "", "A1", False, "", _
    Array("", "Z404"), Array("", ""), Array(0, 1), Array(0, 0), Array("", ""), e)
Check "refused: no error raised", Err.Number = 0
Check "refused: false", Not feito
Check "refused: number", bal.ErroNumero <> 0 And bal.ErroNumero <> -1
Check "refused: text", Len(bal.ErroDescricao) > 0
Err.Clear

' A raising call: an article list that is no array.
feito = bal.CF_DocGenInserir(0, 0, "FA", "", 1, "C001", "", "", hoje, "", "A1", False, "", _
    "A001", Array("", ""), Array(0, 1), Array(0, 0), Array("", ""), e)
Check "raised: number", Err.Number = 13
Check "raised: source", Err.Source = "BAL_Next: CF_DocGenInserir"
Check "raised: description", Len(Err.Description) > 0
Err.Clear
On Error GoTo 0

Check "session ended", bal.ApiTermina()
WScript.Echo passed & " passed, " & failed & " failed"
