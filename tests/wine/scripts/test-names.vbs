' Names: member names in any letter case, file names outside every ANSI code
' page, and names with an embedded NUL, which no file operation may cut short.
Dim files, entry, jscript, names, name, c, nul

' Text written with JScript's \uXXXX escapes. Wine's VBScript has no ChrW, so
' JScript reads the escapes, through the Script Control.
Set jscript = CreateObject("MSScriptControl.ScriptControl")
jscript.Language = "JScript"
Function U(escaped)
  U = jscript.Eval("'" & escaped & "'")
End Function

' --- Member names in any letter case, on both objects, for methods and for
' reading and writing properties.
WriteFile "case.txt", "case"
Set files = CreateObject("Tarnix.Files")
FILES.PATH = work
files.mask = "*.TXT"
files.ATTRIBUTES = "32"
Check "PATH written", files.path, work
Check "mask written", files.MASK, "*.TXT"
Check "getfilelist", files.getfilelist(), True
Check "COUNT", files.COUNT, 1
Set entry = files.ITEM("CASE.TXT")
Check "name", entry.name, "case.txt"
Check "SIZE", entry.SIZE, 4
Check "pAtH", entry.pAtH, work
Check "copy", entry.copy("copied.txt"), True
Check "RENAME", entry.RENAME("renamed.txt"), True
entry.nAmE = "renamed.txt"
Check "killfile", entry.killfile, True
Check "copied.txt holds the copy", ReadFile("copied.txt"), "case"
Check "renamed.txt killed", fso.FileExists(work & "renamed.txt"), False
Check "SORT", files.SORT("SIZE"), True
Check "sorted", files.sorted, True
files.SORTED = False
Check "EXISTS", files.EXISTS, True
Check "MAKEDIR", files.MAKEDIR("made"), True
Check "removedir", files.removedir("made"), True
Check "Copy", files.COPY("copied.txt", "again.txt"), True
Check "rename", files.rename("again.txt", "moved.txt"), True
Check "KILLFILE", files.KILLFILE("moved.txt"), True
files.lasterror = "text"
Check "LASTERROR", files.LASTERROR, "text"
files.ADD "", "added"
files.REMOVE "ADDED"
Check "CLEARFILELIST", files.CLEARFILELIST, True
Check "count after clear", files.count, 0

' --- Keys compare as Windows compares names, each side upper-cased: "É" and
' "é" are one key; the Kelvin sign and "k", or "İ" and "i", are two.
Set files = CreateObject("Tarnix.Files")
files.Add "", U("\u00C9t\u00E9")
On Error Resume Next
files.Add "", U("\u00E9T\u00C9")
CheckError "Add of a key in another case", 457, "This key is already associated with an element of this collection"
On Error GoTo 0
files.Add "", "kelvin"
files.Add "", U("\u212Aelvin")
files.Add "", "file"
files.Add "", U("F\u0130LE")
Check "keys Windows keeps apart", files.Count, 5
Check "the Kelvin sign's key", files(U("\u212AELVIN")).Name, U("\u212Aelvin")
Check "the dotted capital I's key", files(U("f\u0130le")).Name, U("F\u0130LE")
On Error Resume Next
Set entry = CreateObject(U("Tarnix.F\u0130le"))
Check "a ProgID with a dotted capital I is refused", Err.Number <> 0, True
Err.Clear
On Error GoTo 0

' --- Unicode names: listed exactly as on disk (a fullwidth solidus is no
' separator; a character beyond U+FFFF is a surrogate pair) and usable by the
' listed Name for every operation.
names = Array( _
  U("\u00C9t\u00E9 \u2603 \u65E5\u672C.txt"), _
  U("a\uFF0Fb.txt"), _
  U("\u0416\u0443\u0440\u043D\u0430\u043B.log"), _
  U("emoji \uD83D\uDE00.txt"))
fso.CreateFolder work & "uni"
For Each name In names
  fso.CreateTextFile(work & "uni\" & name, True).Write String(Len(name), "x")
Next
Set files = CreateObject("Tarnix.Files")
files.Path = work & "uni"
files.GetFileList
Check "Unicode names listed", files.Count, 4
For Each name In names
  Set entry = files(name)
  Check "listed exactly: " & name, entry.Name, name
  Check "Exists: " & name, files.Exists(work & "uni\" & name), True
  Check "entry Copy: " & name, entry.Copy(name & ".copy"), True
  Check "Files.Rename to a Unicode name: " & name, files.Rename(name & ".copy", "moved " & name), True
  Check "copied bytes: " & name, fso.GetFile(work & "uni\moved " & name).Size, fso.GetFile(work & "uni\" & name).Size
  Check "Files.KillFile: " & name, files.KillFile("moved " & name), True
  Check "entry KillFile: " & name, entry.KillFile, True
  Check "gone: " & name, fso.FileExists(work & "uni\" & name), False
Next
Check "uni is empty", fso.GetFolder(work & "uni").Files.Count, 0

' Keys compare without regard to letter case beyond ASCII too.
Check "key in other letters (Latin)", files(U("\u00E9T\u00C9 \u2603 \u65E5\u672C.TXT")).Name, names(0)
Check "key in other letters (Cyrillic)", files(U("\u0436\u0423\u0420\u041D\u0410\u041B.LOG")).Name, names(2)
On Error Resume Next
files.Add "", U("\u00E9T\u00C9 \u2603 \u65E5\u672C.TXT")
CheckError "accented duplicate key", 457, "This key is already associated with an element of this collection"
On Error GoTo 0

' A Unicode folder name, made and removed.
Set files = CreateObject("Tarnix.Files")
files.Path = work
Check "MakeDir Unicode", files.MakeDir(names(2)), True
Check "made", fso.FolderExists(work & names(2)), True
Check "RemoveDir Unicode", files.RemoveDir(names(2)), True
Check "removed", fso.FolderExists(work & names(2)), False

' --- An embedded NUL: a.txt exists, and a name cut at the NUL would reach
' it. Every operation must refuse the whole name and leave a.txt alone.
WriteFile "a.txt", "a"
nul = "a.txt" & Chr(0) & "tail"
Set files = CreateObject("Tarnix.Files")
files.Path = work
Sub AttemptWithNul(what)
  Dim ignored
  Select Case what
    Case "RemoveDir": files.RemoveDir nul
    Case "KillFile": files.KillFile nul
    Case "Rename from": files.Rename nul, "b.txt"
    Case "Rename to": files.Rename "a.txt", nul
    Case "entry KillFile": entry.KillFile
    Case "entry Rename": entry.Rename "b.txt"
    Case Else: Err.Raise 1, "test", "no such case: " & what
  End Select
End Sub
Set entry = CreateObject("Tarnix.File")
entry.Path = work
entry.Name = nul
For Each c In Array("RemoveDir", "KillFile", "Rename from", "Rename to", "entry KillFile", "entry Rename")
  On Error Resume Next
  AttemptWithNul c
  CheckError c & " with NUL", 52, "Bad file name or number"
  On Error GoTo 0
  Check c & " with NUL left a.txt", ReadFile("a.txt"), "a"
Next
Check "entry LastError after NUL", entry.LastError, "Bad file name or number"

entry.LastError = "earlier"
Check "entry Copy from a name with NUL", entry.Copy("b.txt"), False
entry.Name = "a.txt"
Check "entry Copy to a name with NUL", entry.Copy(nul), False
Check "entry Copy with NUL leaves LastError", entry.LastError, "earlier"
For Each c In Array(Array(nul, "b.txt"), Array("a.txt", nul))
  On Error Resume Next
  files.Copy c(0), c(1)
  CheckError "Files.Copy with NUL", -2147220836, "Error copying file"
  On Error GoTo 0
Next
Check "no copy made", fso.FileExists(work & "b.txt"), False
Check "a.txt was never written to", ReadFile("a.txt"), "a"

Check "Exists with NUL", files.Exists(work & nul), False
Check "GetFileList with NUL", files.GetFileList(work & nul), True
Check "GetFileList with NUL adds nothing", files.Count, 0
