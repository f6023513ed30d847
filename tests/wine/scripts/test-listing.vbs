' GetFileList and Exists: what they search with and without an argument, the
' Path given to the entries, the attribute filter and the Modified text.
Dim files, entry, cases, c, offset, system, utc, pattern, shell

' Sorted by folder and name, so that the order on disk does not matter.
Function ListedNames(list)
  Dim place
  ListedNames = ""
  list.Sort
  For place = 1 To list.Count
    ListedNames = ListedNames & list(place).Name & " "
  Next
  list.Sorted = False
End Function

WriteFile "a.txt", "aaa"
WriteFile "b.txt", "bb"
WriteFile "run.bat", "echo"
fso.CreateFolder work & "sub"
WriteFile "sub\inner.txt", "inner"
fso.CreateFolder work & "empty"

' Without an argument: Path followed by Mask, or by *.* when Mask is empty.
' Every entry gets the folder it was found in: Path, or Path and the
' subfolder a Mask names, written with either separator.
Set files = CreateObject("Tarnix.Files")
files.Path = work
cases = Array( _
  Array("", "a.txt b.txt empty run.bat sub ", work), _
  Array("*.TXT", "a.txt b.txt ", work), _
  Array("?.txt", "a.txt b.txt ", work), _
  Array("sub\*.txt", "inner.txt ", work & "sub\"), _
  Array("sub/*.txt", "inner.txt ", work & "sub/"), _
  Array("*.none", "", work))
For Each c In cases
  files.ClearFileList
  files.Mask = c(0)
  Check "GetFileList with Mask [" & c(0) & "]", files.GetFileList, True
  Check "listed with Mask [" & c(0) & "]", ListedNames(files), c(1)
  For Each entry In files
    Check "Path of " & entry.Name & " with Mask [" & c(0) & "]", entry.Path, c(2)
  Next
  Check "Exists with Mask [" & c(0) & "]", files.Exists(), c(1) <> ""
Next
Check "Mask kept", files.Mask, "*.none"
files.GetFileList work & "?.txt"
Check "Size of a.txt", files("a.txt").Size, 3
Check "Size of b.txt", files("b.txt").Size, 2

' With an argument: the pattern alone. Entries take its folder, up to the
' last "\" or "/"; Path stays as it was.
Set files = CreateObject("Tarnix.Files")
files.Path = work & "elsewhere"
cases = Array( _
  Array(work & "*.bat", "run.bat ", work), _
  Array(work & "sub\*.*", "inner.txt ", work & "sub\"), _
  Array(work & "sub", "sub ", work), _
  Array(work & "sub\", "", ""), _
  Array(work & "missing\*.*", "", ""), _
  Array("", "", ""))
For Each c In cases
  files.ClearFileList
  Check "GetFileList(" & c(0) & ")", files.GetFileList(c(0)), True
  Check "listed by " & c(0), ListedNames(files), c(1)
  If files.Count > 0 Then Check "entry Path from " & c(0), files(1).Path, c(2)
Next
Check "Path unchanged by GetFileList(pattern)", files.Path, work & "elsewhere\"
files.ClearFileList
files.GetFileList Replace(work, "\", "/") & "sub/*.*"
Check "forward slashes search", ListedNames(files), "inner.txt "
Check "the entry takes the folder written with slashes", files(1).Path, Replace(work, "\", "/") & "sub/"
' Path & Name of that entry names the file listed, not one in Path.
WriteFile "inner.txt", "not listed"
Check "KillFile on that entry", files(1).KillFile, True
Check "the listed file is gone", fso.FileExists(work & "sub\inner.txt"), False
Check "the file of that name in Path stays", ReadFile("inner.txt"), "not listed"
WriteFile "sub\inner.txt", "inner"
fso.DeleteFile work & "inner.txt"
' A pattern without any folder searches the current directory: entries get
' an empty Path.
Set shell = CreateObject("WScript.Shell")
shell.CurrentDirectory = work
files.ClearFileList
files.GetFileList "*.bat"
Check "bare pattern lists the current directory", ListedNames(files), "run.bat "
Check "bare pattern gives an empty Path", files(1).Path, ""

' A listing adds to the list and ends the sorted state.
Set files = CreateObject("Tarnix.Files")
files.GetFileList work & "*.bat"
files.Sort
files.GetFileList work & "sub\*.*"
Check "Sorted after GetFileList", files.Sorted, False
Check "two listings in one list", ListedNames(files), "run.bat inner.txt "  ' by folder and name
Check "each entry keeps its own folder", files("inner.txt").Path & "|" & files("run.bat").Path, _
  work & "sub\|" & work

' The attribute filter: -1 lists everything, a number lists entries that
' share a bit with it or equal it. Regular files carry the archive bit (32).
WriteFile "hidden.txt", "h"
fso.GetFile(work & "hidden.txt").Attributes = 34  ' hidden and archive
cases = Array( _
  Array("-1", "a.txt b.txt empty hidden.txt run.bat sub "), _
  Array("16", "empty sub "), _
  Array(" 16 ", "empty sub "), _
  Array("16.4", "empty sub "), _
  Array("2", "hidden.txt "), _
  Array("32", "a.txt b.txt hidden.txt run.bat "), _
  Array("48", "a.txt b.txt empty hidden.txt run.bat sub "), _
  Array("0", ""))
Set files = CreateObject("Tarnix.Files")
files.Path = work
For Each c In cases
  files.ClearFileList
  files.Attributes = c(0)
  files.GetFileList
  Check "filter [" & c(0) & "]", ListedNames(files), c(1)
Next
Check "Attributes keeps its text", files.Attributes, "0"

' Exists: whether the search finds any entry at all, "." and ".." included.
Set files = CreateObject("Tarnix.Files")
files.LastError = "earlier"
cases = Array( _
  Array(work & "A.TXT", True), _
  Array(work & "*.bat", True), _
  Array(work & "sub", True), _
  Array(work & "sub\", False), _
  Array(work & "empty\*.*", True), _
  Array(work & "empty\*.txt", False), _
  Array(work & "missing\*.*", False), _
  Array("", False), _
  Array(12345, False))
For Each c In cases
  Check "Exists(" & c(0) & ")", files.Exists(c(0)), c(1)
Next
Check "Exists added nothing", files.Count, 0
Check "Exists leaves LastError", files.LastError, "earlier"

' Modified: the last-write time in UTC as month/day/year hour:minute:second,
' without leading zeros. FSO gives local time; WMI gives the UTC offset.
Set files = CreateObject("Tarnix.Files")
files.GetFileList work & "a.txt"
Set pattern = New RegExp
pattern.Pattern = "^([1-9]|1[0-2])/([1-9]|[12][0-9]|3[01])/[0-9]{4} ([0-9]|1[0-9]|2[0-3]):([0-9]|[1-5][0-9]):([0-9]|[1-5][0-9])$"
Check "Modified format: " & files(1).Modified, pattern.Test(files(1).Modified), True
For Each system In GetObject("winmgmts:\\.\root\cimv2").ExecQuery("SELECT CurrentTimeZone FROM Win32_OperatingSystem")
  offset = system.CurrentTimeZone
Next
utc = DateAdd("n", -offset, fso.GetFile(work & "a.txt").DateLastModified)
Check "Modified is the UTC last-write time", files(1).Modified, _
  Month(utc) & "/" & Day(utc) & "/" & Year(utc) & " " & Hour(utc) & ":" & Minute(utc) & ":" & Second(utc)
