' A copy that fails midway, on a volume too small for it, leaves the
' destination byte for byte as it was, creates no new file, and leaves
' nothing else on the volume. The volume is the second argument.
Dim volume, files, entry, old, stream

Function ReadWhole(path)
  Dim text
  Set text = fso.OpenTextFile(path)
  If text.AtEndOfStream Then ReadWhole = "" Else ReadWhole = text.ReadAll
  text.Close
End Function

Function Listing(folder)
  Dim file
  Listing = ""
  For Each file In fso.GetFolder(folder).Files
    If Listing <> "" Then Listing = Listing & "|"
    Listing = Listing & file.Name
  Next
End Function

volume = WScript.Arguments(1)
old = String(1048576, "o")
WriteFile "big.bin", String(5 * 1048576, "n")
WriteFile "small.bin", "small"
Set stream = fso.CreateTextFile(volume & "old.bin", True)
stream.Write old
stream.Close

Set files = CreateObject("Tarnix.Files")
files.Path = work
On Error Resume Next
files.Copy "big.bin", volume & "old.bin"
CheckError "Copy onto a file of the full volume", -2147220836, "Error copying file"
files.Copy "big.bin", volume & "new.bin"
CheckError "Copy to a new name on the full volume", -2147220836, "Error copying file"
On Error GoTo 0
Check "LastError", files.LastError, "Error copying file"

Set entry = files.Add(work, "big.bin", 0, 5 * 1048576)
entry.LastError = "earlier"
Check "entry Copy onto the full volume", entry.Copy(volume & "old.bin"), False
Check "entry Copy to a new name on the full volume", entry.Copy(volume & "new.bin"), False
Check "entry LastError", entry.LastError, "earlier"

Check "the destination is intact", ReadWhole(volume & "old.bin") = old, True
Check "what the volume holds", Listing(volume), "old.bin"

' The volume itself takes a copy that fits.
Check "a copy that fits", files.Copy("small.bin", volume & "old.bin"), True
Check "its content", ReadWhole(volume & "old.bin"), "small"
