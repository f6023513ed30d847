' What the file operations of Files and of a File entry do on disk. Their
' error numbers are in test-failures.vbs.
Dim files, entry, stream, i, big, cases, c, other

Function Exists(name)
  Exists = fso.FileExists(work & name) Or fso.FolderExists(work & name)
End Function

Set files = CreateObject("Tarnix.Files")
files.Path = work

' MakeDir and RemoveDir work on one level inside Path, or on an absolute name
' whatever Path says.
Check "MakeDir", files.MakeDir("new"), True
Check "made", fso.FolderExists(work & "new"), True
Check "MakeDir inside it", files.MakeDir("new\inner"), True
Check "RemoveDir inner", files.RemoveDir("new\inner"), True
Check "inner removed", Exists("new\inner"), False
Set other = CreateObject("Tarnix.Files")
other.Path = work & "nowhere"
Check "MakeDir with an absolute name", other.MakeDir(work & "absolute"), True
Check "made where the name says", fso.FolderExists(work & "absolute"), True
Check "RemoveDir with an absolute name", other.RemoveDir(work & "absolute"), True
Check "removed", Exists("absolute"), False

' Rename moves files and folders but never replaces; a relative target is
' taken from Path, not from the source's folder.
WriteFile "a.txt", "a"
Check "Rename into a subfolder", files.Rename("a.txt", "new\moved.txt"), True
Check "moved", ReadFile("new\moved.txt"), "a"
Check "source gone", Exists("a.txt"), False
Check "Rename an absolute source to a relative target", files.Rename(work & "new\moved.txt", "back.txt"), True
Check "back in Path", ReadFile("back.txt"), "a"
Check "Rename a folder", files.Rename("new", "renamed"), True
Check "folder renamed", fso.FolderExists(work & "renamed"), True

' KillFile deletes every file a wildcard matches, in any letter case, and
' never a folder.
fso.CreateFolder work & "kill"
For Each c In Array("one.tmp", "two.TMP", "x.log", "keep.txt")
  WriteFile "kill\" & c, c
Next
fso.CreateFolder work & "kill\dir.tmp"
Check "KillFile *.tmp", files.KillFile("kill\*.tmp"), True
Check "one.tmp gone", Exists("kill\one.tmp"), False
Check "two.TMP gone", Exists("kill\two.TMP"), False
Check "keep.txt kept", Exists("kill\keep.txt"), True
Check "dir.tmp kept", Exists("kill\dir.tmp"), True
Check "KillFile ?.log", files.KillFile("kill\?.log"), True
Check "x.log gone", Exists("kill\x.log"), False
Check "KillFile absolute, no wildcard", files.KillFile(work & "kill\keep.txt"), True
Check "keep.txt gone", Exists("kill\keep.txt"), False

' Copy: byte for byte at any size, past the copy buffer; a copy onto the
' source itself, under any spelling, leaves it intact.
Set stream = fso.CreateTextFile(work & "big.txt", True)
For i = 1 To 25000
  stream.WriteLine "line " & i & " of the file that is larger than one copy buffer"
Next
stream.Close
big = ReadFile("big.txt")  ' about 1.6 MB
Check "Copy a large file", files.Copy("big.txt", "big.copy"), True
Check "large copy length", Len(ReadFile("big.copy")), Len(big)
Check "large copy bytes", ReadFile("big.copy") = big, True
WriteFile "empty.txt", ""
Check "Copy an empty file over the large copy", files.Copy("empty.txt", "big.copy"), True
Check "cut to nothing", fso.GetFile(work & "big.copy").Size, 0
fso.CreateFolder work & "sub"
For Each c In Array("big.txt", "BIG.TXT", "sub\..\big.txt", work & "big.txt")
  Check "Copy onto itself as " & c, files.Copy("big.txt", c), True
  Check "intact after Copy onto itself as " & c, ReadFile("big.txt") = big, True
Next

' A source that is not a plain file fails before the destination is opened.
WriteFile "existing.txt", "keep me"
WriteFile "hidden.txt", "secret"
fso.GetFile(work & "hidden.txt").Attributes = 34  ' hidden and archive
cases = Array("missing.txt", "sub", "hidden.txt", "*.txt")
For Each c In cases
  On Error Resume Next
  files.Copy c, "existing.txt"
  CheckError "Copy from " & c, -2147220836, "Error copying file"
  On Error GoTo 0
  Check "destination untouched by Copy from " & c, ReadFile("existing.txt"), "keep me"
Next

' A copy takes the destination's place in one step and leaves nothing else:
' the destination keeps its attributes; a read-only one is refused as before.
fso.CreateFolder work & "copies"
WriteFile "copies\plain.txt", "old"
WriteFile "copies\hidden.txt", "old"
WriteFile "copies\readonly.txt", "old"
fso.GetFile(work & "copies\hidden.txt").Attributes = 34    ' hidden and archive
fso.GetFile(work & "copies\readonly.txt").Attributes = 33  ' read-only and archive
Check "Copy over a plain file", files.Copy("existing.txt", "copies\plain.txt"), True
Check "its new content", ReadFile("copies\plain.txt"), "keep me"
Check "it is not hidden", fso.GetFile(work & "copies\plain.txt").Attributes And 2, 0
Check "Copy from the replaced file", files.Copy("copies\plain.txt", "copies\again.txt"), True
Check "Copy over a hidden file", files.Copy("existing.txt", "copies\hidden.txt"), True
Check "it stays hidden", fso.GetFile(work & "copies\hidden.txt").Attributes And 2, 2
On Error Resume Next
files.Copy "existing.txt", "copies\readonly.txt"
CheckError "Copy over a read-only file", -2147220836, "Error copying file"
On Error GoTo 0
Check "the read-only file is intact", ReadFile("copies\readonly.txt"), "old"
Check "and still read-only", fso.GetFile(work & "copies\readonly.txt").Attributes And 1, 1
Check "nothing else in the folder", fso.GetFolder(work & "copies").Files.Count, 4
Check "no file of the copy's own left", files.Exists(work & "copies\.tarnix-*"), False
fso.GetFile(work & "copies\readonly.txt").Attributes = 32

' A File entry works on Path & Name; a relative target goes to its own Path.
fso.CreateFolder work & "entries"
WriteFile "entries\e.txt", "entry"
files.ClearFileList
files.GetFileList work & "entries\*.*"
Set entry = files("e.txt")
Check "entry Copy, relative target", entry.Copy("copy.txt"), True
Check "copied into the entry's folder", ReadFile("entries\copy.txt"), "entry"
Check "entry Copy, absolute target", entry.Copy(work & "outside.txt"), True
Check "copied where the name says", ReadFile("outside.txt"), "entry"
Check "entry Rename", entry.Rename("moved.txt"), True
Check "renamed on disk", ReadFile("entries\moved.txt"), "entry"
Check "Name kept after Rename", entry.Name, "e.txt"
Check "Path kept after Rename", entry.Path, work & "entries\"

' File.Copy reports a failure only by returning False.
entry.LastError = "earlier"
Check "entry Copy of a vanished file", entry.Copy("again.txt"), False
Check "no error text", entry.LastError, "earlier"
Check "nothing made", Exists("entries\again.txt"), False

' File.KillFile removes the folder when Attributes has bit 16, whatever the
' name is on disk, and deletes files otherwise, wildcards allowed.
fso.CreateFolder work & "entries\folder"
files.ClearFileList
files.GetFileList work & "entries\*.*"
Set entry = files("folder")
Check "a listed folder has bit 16", entry.Attributes And 16, 16
Check "KillFile of a folder entry", entry.KillFile, True
Check "folder removed", Exists("entries\folder"), False
Set entry = files("moved.txt")
entry.Attributes = entry.Attributes Or 16
On Error Resume Next
entry.KillFile
Check "a file entry marked as folder is not deleted (error raised)", Err.Number <> 0, True
Err.Clear
On Error GoTo 0
Check "file marked as folder kept", ReadFile("entries\moved.txt"), "entry"
Set entry = CreateObject("Tarnix.File")
entry.Path = work & "entries\"
entry.Name = "*.txt"
Check "KillFile of a wildcard entry", entry.KillFile, True
Check "every .txt gone", fso.GetFolder(work & "entries").Files.Count, 0
