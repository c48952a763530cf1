"""The example script run as a user runs it, checked against the company database it leaves;
and the module's conventions for by-reference arguments, arrays and errors."""
import datetime
import os
import pydoc
import re
import sqlite3
import subprocess
import sys
import tempfile
import unittest

import quarvelvarodav as qvd

EXAMPLE = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "day_of_work.py")
KEY = re.compile(r"(\w+) (\d+)/(\d+) no\. (\d+)")


class DayOfWorkTest(unittest.TestCase):
    def test_example_stores_what_it_prints(self):
        with tempfile.TemporaryDirectory() as folder:
            run = subprocess.run([sys.executable, EXAMPLE, folder], capture_output=True, text=True, timeout=300)
            self.assertEqual(run.returncode, 0, run.stderr)
            keys = {line.split(":")[0]: KEY.search(line).groups() for line in run.stdout.splitlines()
                    if KEY.search(line) and not line.startswith("After")}
            year = str(datetime.date.today().year)
            self.assertEqual(keys["Invoice"], ("FA", "2", year, "5001"))
            with sqlite3.connect(os.path.join(folder, "DEMO.db")) as db:
                def lines(key):
                    t, s, y, n = key
                    return db.execute("SELECT ARTIGO, QUANT FROM DOCGCLIN WHERE TPDOCUM=? AND SERIE=? AND ANO=? "
                                      "AND NNUMDOC=? AND ARTIGO IS NOT NULL ORDER BY NUMLINHA",
                                      (t, int(s), int(y), int(n))).fetchall()

                self.assertEqual(lines(keys["Invoice"]), [("A001", 20), ("P001", 1)])
                self.assertEqual(lines(keys["Credit note"]), [("A001", 5)])
                exit_key = keys["Consumption exit"]
                self.assertEqual(db.execute("SELECT NUMLINHA, CODLOT, QUANT FROM LOTEMOVS WHERE TPDOCUM=? "
                                            "AND NNUMDOC=? ORDER BY NUMLINHA", (exit_key[0], int(exit_key[3])))
                                 .fetchall(), [(1, "L-A003-1", 20), (2, "L-A002-1", 4)])
                cancelled = [KEY.search(line).groups() for line in run.stdout.splitlines()
                             if line.startswith("In the transaction")]
                self.assertEqual(len(cancelled), 2)
                for key in cancelled:
                    self.assertEqual(lines(key), [])
                self.assertIn("is gone", run.stdout)
                self.assertNotIn("is still there", run.stdout)
            with open(os.path.join(folder, "OST_LOGNXTAPI.LOG"), encoding="cp1252") as log:
                self.assertIn("Z404", log.read())
            again = subprocess.run([sys.executable, EXAMPLE, folder], capture_output=True, text=True, timeout=300)
            self.assertNotEqual(again.returncode, 0, "a folder with a company is refused, not overwritten")
            self.assertIn("empty folder", again.stderr)


class ConventionsTest(unittest.TestCase):
    def test_byref_arrays_and_errors(self):
        qvd.RegisterErp()
        with tempfile.TemporaryDirectory() as folder:
            bal = qvd.CreateObject("QuarvelVaroDav.BAL_Next")
            bal.DataAccess = qvd.OpenSqlite(qvd.OpenCompany(folder))
            self.assertTrue(bal.ApiInicia(folder, folder, "DEMO", "admin", "admin"))
            # By reference: (result, values in order); the record passed is written in place.
            result, existing = bal.HaStockDoArtigo("A001", "A1", 1e9, -1.0)
            self.assertIs(result, False)
            self.assertGreater(existing, 0)
            key = qvd.Record("KeyDocumNext", iAno=-1, lNumDoc=77)
            args = (qvd.NaoIndicado, qvd.tpDefault, "FA", "S1", 1, "C001", "", "", "15-03-2024", "", "A1", False, "")
            # A plain list starts at index 0, which the library does not read.
            done, articles, names, *_, back = bal.CF_DocGenInserir(*args, qvd.Array(["A001"], lower=1), [None, ""],
                                                                   [0, 2], [0, 1.5], ["", ""], key)
            self.assertTrue(done, bal.ErroDescricao)
            self.assertEqual((articles.lower, articles.upper, list(articles)), (1, 1, ["A001"]))
            self.assertEqual((names.lower, list(names)), (0, ["", ""]))
            self.assertEqual((key.iAno, key.sTpDoc, key.lNumDoc), (2024, "FA", 77))
            self.assertEqual(back, key)
            with self.assertRaises(qvd.UnknownMember) as raised:
                bal.NoSuchMember
            self.assertEqual(raised.exception.number, 438)
            self.assertFalse(hasattr(bal, "NoSuchMember"))
            # The ERP's own objects answer by name too.
            artigos = bal.NxtAlloc_Artigos()
            self.assertEqual(artigos.Ler("A001"), 0)
            self.assertEqual(artigos.Codigo, "A001")
            bal.ApiTermina()


class BadValuesTest(unittest.TestCase):
    """What no Python value may do: end the process, or fail with anything but qvd.Error saying where."""

    def raised(self, call, *args, **named):
        with self.assertRaises(qvd.Error) as raised:
            call(*args, **named)
        error = raised.exception
        return error.number, error.source, error.argument, error.description

    def test_values_without_automation_form_raise_errors_that_say_where(self):
        cyclic = [1, [2]]
        cyclic[1].append(cyclic)
        deep = []
        for _ in range(100000):
            deep = [deep]
        lots = qvd.CreateObject("QuarvelVaroDav.colLotes")
        self.assertEqual(self.raised(qvd.Array, cyclic)[:3], (5, "quarvelvarodav: Array", 1))
        self.assertIn("[1][1], a list that contains itself", self.raised(qvd.Array, cyclic)[3])
        self.assertEqual(self.raised(lots.Add, "A001", 1, "L1", deep)[:3], (5, "colLotes: Add", 4))
        self.assertEqual(self.raised(lots.Add, "A\ud800", 1, "L1", "")[:3], (5, "colLotes: Add", 1))
        self.assertEqual(self.raised(lots.Add, "A001", 2 ** 70, "L1", "")[:3], (6, "colLotes: Add", 2))
        self.assertEqual(self.raised(lots.Add, "A001", {}, "L1", "")[:3], (13, "colLotes: Add", 2))
        self.assertEqual(self.raised(qvd.CreateObject, None)[:3], (13, "quarvelvarodav: CreateObject", 1))
        self.assertEqual(self.raised(qvd.Array.dim, -2 ** 31, 2 ** 40)[:3], (6, "quarvelvarodav: Array.dim", 2))
        # Shared rows cost nothing more, and a row may not hold the array it is in.
        row = [1, 2]
        self.assertEqual(qvd.Array([row] * 3)[2].tolist(), [1, 2])
        outer = qvd.Array([qvd.Array([0])])
        self.assertEqual(self.raised(outer[0].__setitem__, 0, outer)[0], 5)
        # Arrays nested however deep are shown, compared and dropped without ending the process.
        chain = qvd.Array()
        for _ in range(300000):
            chain = qvd.Array([chain])
        self.assertIn("Array([Array(...)], lower=0)", repr(chain))
        self.assertEqual(self.raised(chain.__eq__, qvd.Array([chain[0]]))[0], 5)
        del chain
        self.assertEqual(lots.Count, 0)

    def test_late_binding_errors_name_member_and_argument(self):
        bal = qvd.CreateObject("QuarvelVaroDav.BAL_Next")
        key = qvd.Record("KeyDocumNext")
        args = [qvd.NaoIndicado, qvd.tpDefault, "FA", "S1", 1, "C001", "", "", "15-03-2024", "", "A1", False, "",
                ["", "A001"], ["", ""], [0, "dois"], [0, 1], ["", ""], key]
        number, source, argument, description = self.raised(bal.CF_DocGenInserir, *args)
        self.assertEqual((number, source, argument), (13, "BAL_Next: CF_DocGenInserir", 16))
        self.assertIn("argument 16 of CF_DocGenInserir: element 1 is a String where a Double is wanted", description)
        self.assertEqual(self.raised(bal.ApiTermina, 1)[:3], (450, "BAL_Next: ApiTermina", None))
        self.assertEqual(self.raised(setattr, key, "iSerie", "x")[:3], (13, "KeyDocumNext: iSerie", 1))
        self.assertEqual(self.raised(getattr, bal, "No\ud800")[0], 5)

    def test_arguments_by_name_and_the_signature_help_shows(self):
        lots = qvd.CreateObject("QuarvelVaroDav.colLotes")
        lot = lots.Add("A001", 2, vossolote="V7", LOTE="L1", sKey="k")
        self.assertEqual((lot.Artigo, lot.Quantidade, lot.Lote, lot.VossoLote), ("A001", 2, "L1", "V7"))
        self.assertEqual(lots.Item(vntIndexKey="k").Lote, "L1")
        bal = qvd.CreateObject("QuarvelVaroDav.BAL_Next")
        self.assertEqual(bal.UltimoErro(sTextoErro="x", lNumErro=0), (None, -1, ""))
        self.assertIn("Add(Artigo, Quantidade, Lote, VossoLote, [sKey])", pydoc.render_doc(lots.Add))
        self.assertIn("UltimoErro(lNumErro, sTextoErro)", pydoc.render_doc(bal.UltimoErro))
        self.assertIn("The call gives (result, lNumErro, sTextoErro)", bal.UltimoErro.__doc__)
        self.assertEqual(self.raised(lots.Add, "A001", 1, "L1", "", key="k")[:2], (448, "colLotes: Add"))
        self.assertEqual(self.raised(lots.Add, "A001", 1, "L1", "", artigo="B")[:2], (450, "colLotes: Add"))
        self.assertEqual(self.raised(lots.Add, "A001", Lote="L1", VossoLote="")[:2], (449, "colLotes: Add"))
        self.assertEqual(self.raised(lots.Add, "A001", Quantidade={}, Lote="L", VossoLote="")[:3],
                         (13, "colLotes: Add", 2))
        self.assertEqual(lots.Count, 1)


if __name__ == "__main__":
    unittest.main()
