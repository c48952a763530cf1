' The platform's IDispatch layer driven by a script host through the probe server.
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

Class Caller
  Public Function Greeting()
    Greeting = "hello from the script"
  End Function
End Class

Dim p, n, s, a, c, e
Set p = CreateObject("QvdTest.Probe")

' Values keep their types both ways.
Check "integer", p.TypeOf(CInt(7)) = "Integer" And TypeName(p.Echo(CInt(7))) = "Integer"
Check "long", p.TypeOf(70000) = "Long" And p.Echo(70000) = 70000
Check "double", TypeName(p.Echo(1.5)) = "Double" And p.Echo(1.5) = 1.5
Check "currency", TypeName(p.Echo(CCur(12.3456))) = "Currency" And p.Echo(CCur(12.3456)) = CCur(12.3456)
Check "date", TypeName(p.Echo(DateSerial(2026, 12, 7))) = "Date" And p.Echo(DateSerial(2026, 12, 7)) = DateSerial(2026, 12, 7)
Check "string", p.Echo("caf" & Chr(233)) = "caf" & Chr(233)
Check "boolean", p.Echo(True) = True And TypeName(p.Echo(False)) = "Boolean"
Check "empty", IsEmpty(p.Echo(Empty))
Check "null", IsNull(p.Echo(Null))
Check "nothing", p.Kept Is Nothing

' By-reference arguments come back changed.
n = 21
p.Twice n
Check "by-ref long", n = 42
s = "x"
p.Rename s
Check "by-ref string", s = "<x>"

' Arrays keep their bounds in and out.
a = p.MakeArray(3, 5)
Check "array out", LBound(a) = 3 And UBound(a) = 5 And a(4) = 40
Check "array in", p.Bounds(Array(1, 2, 3)) = "0..2"

' The platform's collection, its value member and its errors.
Set c = p.NewCollection()
c.Add "one", "k1"
c.Add "two"
Check "collection", c.Count = 2 And c("K1") = "one" And c.Item(2) = "two"
On Error Resume Next
c.Add "again", "k1"
Check "duplicate key 457", Err.Number = 457
Err.Clear
e = c.Item(9)
Check "missing item 5", Err.Number = 5
Err.Clear

' Wrong member, wrong count, wrong type, raised error.
p.NoSuchMember
Check "unknown member 438", Err.Number = 438
Err.Clear
p.Echo
Check "argument count 450", Err.Number = 450
Err.Clear
e = p.Small("many")
Check "type mismatch 13", Err.Number = 13
Err.Clear
e = p.Small(100000)
Check "overflow 6", Err.Number = 6
Err.Clear
p.Fail 1234, "refused on purpose"
Check "raised number", Err.Number = 1234
Check "raised source", Err.Source = "Probe: Fail"
Check "raised text", Err.Description = "refused on purpose"
Err.Clear
On Error GoTo 0

' A script's own object is called late-bound and comes back as itself.
Dim mine
Set mine = New Caller
p.Keep mine
Check "foreign object kept", p.Kept Is mine
Check "foreign object called", p.Ask("Greeting") = "hello from the script"

' One of the library's own objects handed back is the same object, not a copy.
p.Keep c
Check "own object kept", p.Kept Is c
Check "own object still works", p.Kept.Count = 2

WScript.Echo passed & " passed, " & failed & " failed"
