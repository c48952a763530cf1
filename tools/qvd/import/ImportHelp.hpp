#pragma once

namespace qvdtool {

inline constexpr const char* kImportHelp = R"(usage: qvd import DIR|URI CAB.csv LIN.csv [LOT.csv] [OPTIONS]

Creates one document per row of CAB.csv in the company in DIR (or on the server URI names), with
its lines from LIN.csv and the lots of those lines from LOT.csv, through the library's record-set
templates and Inserir.
Each document goes in whole or not at all. A document that the input or the ERP refuses is
reported on one line (its reference, its input lines, the reason, with the ERP's own message)
and appended to the operation log OST_LOGNXTAPI.LOG (in DIR, or --log); the run goes on.
A progress bar is drawn on a terminal (plain lines at each tenth otherwise) and a summary counts
the documents created, already in and refused. Exit code 0 when none was refused, 1 when some
were (or the keys file could not be written), 130 after Ctrl-C.

Running again: each document carries its source reference into the company, '#' and REF (with
--source NAME, '#NAME:REF'), kept unique by the ERP in the header's PROCESSO. Run the same
command again after an interruption or after fixing refused rows: documents already in are
reported as such and nothing is created twice. Documents are committed in groups of up to 250:
a kill loses at most the last group, which the next run creates.

Files: CSV in UTF-8, first row the column names (letter case does not matter), fields separated
by ',' or by ';' (whichever the first row uses), double quotes around a field that holds the
separator, a quote or a line break, a quote inside quotes doubled. Every file has the column
REF, your reference of the document (it becomes the source reference), and columns of one
ERP table:
  CAB.csv  one row per document, columns of DOCGCCAB. Required: TPDOC (document type), SERIE.
           Read by the insert: TPDOC TPPRECO SERIE NNUMDOC TERCEIRO DATA SECTOR VNUMDOC
           DESCCAB VENDEDOR RGIVA MOEDA IVAINC DESCPP PRAZOPGT MODOPGT EXPEDIR ONDEENV
           ONDEENTR NCONTRIB ARREDIVA OBSERV GESCNT PESOTOT VOLTOT LOCALCG MEIOTRP APROVADO
           DATAAPRO RESPAPRO EAN ANO MATRICUL DTCARGA HORA DATADES HORADES
           MORADADSG LOCALDSG CDPOSTDSG PAISDSG.
           NNUMDOC empty or 0: the ERP numbers the document; ANO empty: the year of DATA.
  LIN.csv  one row per line, in the order of the document's lines, columns of DOCGCLIN.
           Required: ARTIGO and QUANT (QUANT may be empty on a line without an article).
           Read by the insert: TPLINHA ARTIGO ARMAZEM DESCR PRUNIT QUANT DESCONTO IVA TXDESC
           UNIDADE FACTOR ORANO ORDOC ORSERIE ORNUM ORLIN. The insert puts these values over
           the ERP's suggestions: give PRUNIT, or the line's price is 0.
  LOT.csv  one row per lot quantity, columns of LOTEMOVS and DTAENTRA. Required: NUMLINHA
           (the document line, counting its rows in LIN.csv from 1), CODLOT and QUANT.
           Also read: ARTIGO and ARMAZEM (empty: the line's; a lot of another warehouse is
           refused), VOSSLOTE, DTAENTRA, VALIDADE.
Other columns of those tables are accepted and not used; a column the table does not have
stops the run before anything is created.

Values: whole numbers and decimals with '.' or ',' before the decimals and no grouping (1234.5
or 1234,5, also 1.2e3); dates as yyyy-mm-dd or dd-mm-yyyy (also dd/mm/yyyy, dd.mm.yyyy); text
as it is. Decimals go up to 922337203685477 either way, none nearer 0 than 0.0001; dates from
1900-01-01. Blanks around a value are dropped; an empty value leaves the column empty for the ERP.

Order: each file is sorted by REF, so that a document's rows follow one another and the files
are read side by side without holding more than one document in memory. REF values compare
piece by piece, runs of digits by their numeric value and the rest character by character,
letter case and blanks aside: D9 < D10 < e1 < E 2; only REFs that tie so (D1, d1, "D 1", D01)
compare by their exact text. The order and the columns are checked before the first document
is created.
A header without lines, and lines or lots whose REF has no row in CAB.csv, are refused for that
document, naming the REF probably meant when one differs only in case, blanks or leading zeros.

Options:
)";

inline constexpr const char* kImportMoreOptions = R"(  --source NAME       scope the source references by NAME (default: none, REF alone)
  --keys FILE         write REF,TPDOC,SERIE,ANO,NNUMDOC of every document in the company, created
                      now or before; written beside FILE and moved over it at the end

Example:
  CAB.csv:  REF,TPDOC,SERIE,TERCEIRO,DATA
            D1,FA,1,C001,2024-03-15
  LIN.csv:  REF,ARTIGO,ARMAZEM,QUANT,PRUNIT
            D1,A001,A1,10,0.5
            D1,A002,A1,2,9.9
  LOT.csv:  REF,NUMLINHA,CODLOT,QUANT
            D1,2,L-A002-1,2
)";

}  // namespace qvdtool
