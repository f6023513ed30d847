' Every kind of failure a VBScript author meets: the number and text in Err,
' and which object's LastError receives the text. Trapped members write it;
' Item, Remove and Count do not; a File entry keeps its own LastError.
Dim files, entry, cases, c, whose

WriteFile "a.txt", "a"
WriteFile "taken.txt", "taken"
fso.CreateFolder work & "full"
WriteFile "full\x.txt", "x"

Set files = CreateObject("Tarnix.Files")
files.Path = work
files.GetFileList
Set entry = CreateObject("Tarnix.File")  ' names a file that is not there
entry.Path = work
entry.Name = "gone.txt"

' One failing call per case; the loop below runs it under On Error Resume Next.
Sub Attempt(what)
  Dim ignored
  Select Case what
    Case "Item(0)": Set ignored = files.Item(0)
    Case "Item(Count + 1)": Set ignored = files.Item(files.Count + 1)
    Case "Item(absent key)": Set ignored = files.Item("absent.txt")
    Case "Item(Null)": Set ignored = files.Item(Null)
    Case "Remove(99)": files.Remove 99
    Case "Remove(absent key)": files.Remove "absent.txt"
    Case "Add(key in another case)": Set ignored = files.Add(work, "A.TXT")
    Case "GetFileList(listed again)": files.GetFileList work & "*.txt"
    Case "GetFileList(Null)": files.GetFileList Null
    Case "GetFileList(filter no number)": ListWithFilter "directories"
    Case "GetFileList(filter too large)": ListWithFilter "4294967296"
    Case "Exists(Null)": files.Exists Null
    Case "Exists(Nothing)": files.Exists Nothing
    Case "GetFileList(Nothing)": files.GetFileList Nothing
    Case "Item(Nothing)": Set ignored = files.Item(Nothing)
    Case "Sort(unknown field)": files.Sort "Colour"
    Case "Sort(unknown order)": files.Sort "size", "Sideways"
    Case "Sort(order Null)": files.Sort "name", Null
    Case "Copy(missing source)": files.Copy "missing.txt", "b.txt"
    Case "Copy(into missing folder)": files.Copy "a.txt", "missing\b.txt"
    Case "MakeDir(existing)": files.MakeDir "full"
    Case "MakeDir(missing parent)": files.MakeDir "no\such\dir"
    Case "MakeDir(name with NUL)": files.MakeDir "new" & Chr(0) & "dir"
    Case "RemoveDir(not empty)": files.RemoveDir "full"
    Case "KillFile(missing)": files.KillFile "missing.txt"
    Case "KillFile(no match)": files.KillFile "*.none"
    Case "KillFile(a folder)": files.KillFile "full"
    Case "Rename(onto existing)": files.Rename "a.txt", "taken.txt"
    Case "Rename(missing)": files.Rename "missing.txt", "b.txt"
    Case "entry.KillFile(vanished)": entry.KillFile
    Case "entry.Rename(vanished)": entry.Rename "b.txt"
    Case Else: Err.Raise 1, "test", "no such case: " & what
  End Select
End Sub

Sub ListWithFilter(filter)
  files.Attributes = filter
  files.ClearFileList
  On Error Resume Next
  files.GetFileList
  Dim number, source, description
  number = Err.Number
  source = Err.Source
  description = Err.Description
  On Error GoTo 0
  Check "no entry added under filter " & filter, files.Count, 0
  files.Attributes = "-1"
  files.ClearFileList
  files.GetFileList
  ' Wine's Err.Raise fails with Type mismatch when an argument is left out.
  If number <> 0 Then Err.Raise number, source, description
End Sub

' The call, the number and text in Err, and whose LastError gets the text.
cases = Array( _
  Array("Item(0)", 9, "Subscript out of range", ""), _
  Array("Item(Count + 1)", 9, "Subscript out of range", ""), _
  Array("Item(absent key)", 5, "Invalid procedure call or argument", ""), _
  Array("Item(Null)", 94, "Invalid use of Null", ""), _
  Array("Remove(99)", 9, "Subscript out of range", ""), _
  Array("Remove(absent key)", 5, "Invalid procedure call or argument", ""), _
  Array("Add(key in another case)", 457, "This key is already associated with an element of this collection", "files"), _
  Array("GetFileList(listed again)", 457, "This key is already associated with an element of this collection", "files"), _
  Array("GetFileList(Null)", 94, "Invalid use of Null", "files"), _
  Array("GetFileList(filter no number)", 13, "Type mismatch", "files"), _
  Array("GetFileList(filter too large)", 6, "Overflow", "files"), _
  Array("Exists(Null)", 94, "Invalid use of Null", "files"), _
  Array("Exists(Nothing)", 13, "Type mismatch", "files"), _
  Array("GetFileList(Nothing)", 13, "Type mismatch", "files"), _
  Array("Item(Nothing)", 13, "Type mismatch", ""), _
  Array("Sort(unknown field)", -2147220838, "Colour is not a valid fieldname.", "files"), _
  Array("Sort(unknown order)", -2147220837, "Sideways is not a valid sortorder.", "files"), _
  Array("Sort(order Null)", 94, "Invalid use of Null", "files"), _
  Array("Copy(missing source)", -2147220836, "Error copying file", "files"), _
  Array("Copy(into missing folder)", -2147220836, "Error copying file", "files"), _
  Array("MakeDir(existing)", 58, "File already exists", "files"), _
  Array("MakeDir(missing parent)", 76, "Path not found", "files"), _
  Array("MakeDir(name with NUL)", 52, "Bad file name or number", "files"), _
  Array("RemoveDir(not empty)", 75, "Path/File access error", "files"), _
  Array("KillFile(missing)", 53, "File not found", "files"), _
  Array("KillFile(no match)", 53, "File not found", "files"), _
  Array("KillFile(a folder)", 75, "Path/File access error", "files"), _
  Array("Rename(onto existing)", 58, "File already exists", "files"), _
  Array("Rename(missing)", 53, "File not found", "files"), _
  Array("entry.KillFile(vanished)", 53, "File not found", "entry"), _
  Array("entry.Rename(vanished)", 53, "File not found", "entry"))

Dim countBefore
countBefore = files.Count
For Each c In cases
  files.LastError = "earlier"
  entry.LastError = "earlier"
  On Error Resume Next
  Attempt c(0)
  CheckError c(0), c(1), c(2)
  On Error GoTo 0
  If c(3) = "files" Then whose = c(2) Else whose = "earlier"
  Check c(0) & ": Files.LastError", files.LastError, whose
  If c(3) = "entry" Then whose = c(2) Else whose = "earlier"
  Check c(0) & ": entry LastError", entry.LastError, whose
Next

' None of the failures changed the list or the folder.
Check "Count after the failures", files.Count, countBefore
Check "a.txt kept", ReadFile("a.txt"), "a"
Check "taken.txt kept", ReadFile("taken.txt"), "taken"
Check "full\x.txt kept", ReadFile("full\x.txt"), "x"
Check "no b.txt made", fso.FileExists(work & "b.txt"), False
Check "no new folder made", fso.FolderExists(work & "new"), False

' A failed Sort leaves the list unsorted, even when it was sorted before.
files.Sort
On Error Resume Next
files.Sort "Colour"
On Error GoTo 0
Check "Sorted after a failed Sort", files.Sorted, False

' Successful calls leave LastError as it was.
files.LastError = "earlier"
entry.LastError = "earlier"
Check "Sort succeeds", files.Sort("size", "descending"), True
Check "MakeDir succeeds", files.MakeDir("made"), True
Check "RemoveDir succeeds", files.RemoveDir("made"), True
Check "Copy succeeds", files.Copy("a.txt", "b.txt"), True
Check "Rename succeeds", files.Rename("b.txt", "gone.txt"), True
Check "Exists succeeds", files.Exists(work & "*.txt"), True
Check "entry Copy succeeds", entry.Copy("c.txt"), True
Check "entry KillFile succeeds", entry.KillFile, True
Check "ClearFileList succeeds", files.ClearFileList, True
Check "GetFileList succeeds", files.GetFileList, True
Check "Files.LastError after successes", files.LastError, "earlier"
Check "entry LastError after successes", entry.LastError, "earlier"
