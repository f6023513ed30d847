' The road of a typical request: list a folder, sort it, read it by position
' and with For Each, then copy a file and clean up.
Dim files, entry, names, i, r

WriteFile "small.txt", "a"
WriteFile "large.txt", "abcdefghij"
WriteFile "medium.txt", "abcde"
fso.CreateFolder work & "sub"

Set files = CreateObject("Tarnix.Files")
Check "new Count", files.Count, 0
Check "new Attributes", files.Attributes, "-1"
Check "new Sorted", files.Sorted, False
Check "new Path", files.Path, ""

files.Path = "  " & Left(work, Len(work) - 1) & "  "
Check "Path trimmed and completed", files.Path, work
Check "GetFileList", files.GetFileList, True
Check "Count", files.Count, 4

Check "Sort", files.Sort("size", "descending"), True
Check "Sorted", files.Sorted, True
names = ""
For i = 1 To files.Count
  Set entry = files.Item(i)
  names = names & entry.Name & ":" & entry.Size & " "
  Check "Path of " & entry.Name, entry.Path, work
Next
Check "sorted by size, descending", names, "large.txt:10 medium.txt:5 small.txt:1 sub:0 "
Check "directory bit", files(4).Attributes And 16, 16
Check "default member of Files, by position", files(1).Name, "large.txt"
On Error Resume Next
Set entry = files("sub")
CheckError "no keys while sorted", 13, "Type mismatch"
On Error GoTo 0

Dim walked
walked = ""
For Each entry In files
  walked = walked & entry & " "
Next
files.Sorted = False
names = ""
For i = 1 To files.Count
  names = names & files(i).Name & " "
Next
Check "For Each walks in insertion order, not sorted", walked, names
For Each entry In files
  Exit For
Next
Check "For Each gives the object Item gives", entry Is files(1), True

Set entry = files(1)
Check "entry Copy", entry.Copy("copy.txt"), True
Check "copied bytes", ReadFile("copy.txt"), "abcdefghij"
Check "Files.Copy onto a longer file cuts it", files.Copy("small.txt", "copy.txt"), True
Check "cut", ReadFile("copy.txt"), "a"
Check "KillFile", files.KillFile("copy.txt"), True
Check "gone", fso.FileExists(work & "copy.txt"), False
Check "ClearFileList", files.ClearFileList, True
Check "Count after clear", files.Count, 0
Check "Sorted after clear", files.Sorted, False
Check "entry lives on", entry.Name, "large.txt"
Set files = Nothing
Check "entry outlives its Files", entry.Size, 10
