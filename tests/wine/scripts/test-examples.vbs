' Runs the scripts in examples/ with cscript on a small folder and checks
' their output, exit code and what they leave on disk. WScript.Shell.Exec's
' StdOut cannot be read under Wine, so cmd redirects the output to a file.
Dim shell, examples, data, lines, output, pattern, expected, i, byPath

' Runs an example with the arguments, in the folder given, and returns its
' exit code. Leaves its non-empty output lines in `lines` and the same lines
' joined by "|" in `output` (Wine's VBScript has no Join).
Function RunExample(name, arguments, folder)
  Dim text, all, line
  shell.CurrentDirectory = folder
  RunExample = shell.Run("cmd /c cscript //nologo """ & examples & name & """ " & arguments & _
                         " > """ & work & "output.txt"" 2>&1", 0, True)
  text = ""
  If fso.FileExists(work & "output.txt") Then text = ReadFile("output.txt")
  all = Split(Replace(text, vbCr, ""), vbLf)
  lines = Array()
  output = ""
  For Each line In all
    If line <> "" Then
      ReDim Preserve lines(UBound(lines) + 1)
      lines(UBound(lines)) = line
      If output <> "" Then output = output & "|"
      output = output & line
    End If
  Next
End Function

' A quoted argument must not end in "\": \" reads as a quote inside it.
Function Quoted(text)
  Quoted = """" & text & """"
End Function

Set shell = CreateObject("WScript.Shell")
examples = WScript.Arguments(1)  ' the examples folder, ending in "\"
Check "examples found", fso.FileExists(examples & "list.vbs"), True

data = work & "data\"
fso.CreateFolder data
fso.CreateFolder data & "sub"
WriteFile "data\a.txt", "a"
WriteFile "data\big.txt", "abcdefghij"
WriteFile "data\mid.log", "abcde"

' list.vbs: a header, then the entries by size, largest first.
Set pattern = New RegExp
Check "list.vbs exit code", RunExample("list.vbs", Quoted(work & "data"), work), 0
Check "list.vbs line count", UBound(lines) + 1, 5
If UBound(lines) = 4 Then
  pattern.Pattern = "^Name +Size +Modified \(UTC\)$"
  Check "list.vbs header: " & lines(0), pattern.Test(lines(0)), True
  expected = Array(Array("big.txt", "10"), Array("mid.log", "5"), Array("a.txt", "1"), Array("sub", "<DIR>"))
  For i = 0 To 3
    pattern.Pattern = "^" & Replace(expected(i)(0), ".", "\.") & " +" & expected(i)(1) & _
                      " +\d{1,2}/\d{1,2}/\d{4} \d{1,2}:\d{1,2}:\d{1,2}$"
    Check "list.vbs line " & i + 1 & ": " & lines(i + 1), pattern.Test(lines(i + 1)), True
  Next
End If

' Without an argument it lists the current directory.
byPath = output
Check "list.vbs in the current directory", RunExample("list.vbs", "", data), 0
Check "same listing as by path", output, byPath

Check "list.vbs on a missing folder: exit code", RunExample("list.vbs", Quoted(work & "missing"), work), 1
Check "list.vbs on a missing folder: message", output, "list.vbs: folder not found: " & work & "missing"

' copy-and-clean-up.vbs: copies the two .txt files, lists them, removes them.
Check "copy-and-clean-up.vbs exit code", RunExample("copy-and-clean-up.vbs", Quoted(work & "data"), work), 0
Check "copy-and-clean-up.vbs line count", UBound(lines) + 1, 7
If UBound(lines) = 6 Then
  Check "copy-and-clean-up.vbs: made", lines(0), "made " & data & "backup"
  ' Copied in the order the folder lists them, which the disk decides.
  Check "copy-and-clean-up.vbs: copied [" & lines(1) & "] [" & lines(2) & "]", _
    lines(1) & lines(2) = "copied a.txtcopied big.txt" Or lines(1) & lines(2) = "copied big.txtcopied a.txt", True
  Check "copy-and-clean-up.vbs: the backup listed", lines(3) & "|" & lines(4) & "|" & lines(5), _
    "backup holds 2 file(s):|  a.txt (1 bytes)|  big.txt (10 bytes)"
  Check "copy-and-clean-up.vbs: last line", lines(6), "removed the copies and the backup folder"
End If
Check "the backup folder is gone", fso.FolderExists(data & "backup"), False
Check "originals kept", ReadFile("data\a.txt") & ReadFile("data\big.txt") & ReadFile("data\mid.log"), _
  "a" & "abcdefghij" & "abcde"

' A backup folder that is already there stops it before anything is copied.
fso.CreateFolder data & "backup"
WriteFile "data\backup\mine.txt", "mine"
Check "copy-and-clean-up.vbs with a backup folder: exit code", RunExample("copy-and-clean-up.vbs", Quoted(work & "data"), work), 1
Check "copy-and-clean-up.vbs with a backup folder: message", output, _
  "MakeDir backup failed: error 58, File already exists (LastError: File already exists)"
Check "the existing backup is left alone", fso.GetFolder(data & "backup").Files.Count & ReadFile("data\backup\mine.txt"), "1mine"

Check "copy-and-clean-up.vbs without a folder: exit code", RunExample("copy-and-clean-up.vbs", "", work), 1
