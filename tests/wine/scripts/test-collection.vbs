' The list as a collection: Add and its omitted arguments, keys, Remove,
' default members, and how Sort and Sorted change what Item answers.
Dim files, entry, value, cases, c

Function ItemNames(list)  ' names in the order Item(1..Count) gives them
  Dim place
  ItemNames = ""
  For place = 1 To list.Count
    ItemNames = ItemNames & list.Item(place).Name & " "
  Next
End Function

Function WalkedNames(list)  ' names in the order For Each gives them
  Dim walked
  WalkedNames = ""
  For Each walked In list
    WalkedNames = WalkedNames & walked.Name & " "
  Next
End Function

' A File created on its own starts empty and keeps what it is given.
Set entry = CreateObject("Tarnix.File")
Check "new File Name", entry.Name, ""
Check "new File Path", entry.Path, ""
Check "new File Attributes", entry.Attributes, 0
Check "new File Size", entry.Size, 0
Check "new File Modified", entry.Modified, ""
Check "new File LastError", entry.LastError, ""
entry.Size = -5
Check "Size keeps a negative number", entry.Size, -5

' Add: every argument stored as given; the three optional ones left out give
' 0, 0 and "".
Set files = CreateObject("Tarnix.Files")
Set entry = files.Add("C:\data\", "report.txt", 33, 1234, "1/7/2000 9:5:3")
Check "Add Path", entry.Path, "C:\data\"
Check "Add Name", entry.Name, "report.txt"
Check "Add Attributes", entry.Attributes, 33
Check "Add Size", entry.Size, 1234
Check "Add Modified", entry.Modified, "1/7/2000 9:5:3"
Set entry = files.Add("C:\data\", "bare")
Check "omitted Attributes", entry.Attributes, 0
Check "omitted Size", entry.Size, 0
Check "omitted Modified", entry.Modified, ""
Check "omitted Modified is text", TypeName(entry.Modified), "String"
entry.Size = 77
Check "Add returns the entry the list holds", files("bare").Size, 77
Check "Add returns the object Item gives", entry Is files("bare"), True
Set entry = files.Add("C:\data\", "middle", , 5)
Check "omitted in the middle: Attributes", entry.Attributes, 0
Check "given after it: Size", entry.Size, 5
Set entry = files.Add("C:\data\", "gap", 1, , "m")
Check "omitted in the middle: Size", entry.Size, 0
Check "given after it: Modified", entry.Modified, "m"
files.Remove "middle"
files.Remove "gap"

' Default members: Item for Files, Name for File.
value = files("REPORT.TXT")
Check "a File read as a value is its Name", value, "report.txt"
Check "... which is text", TypeName(value), "String"
files(2).Size = 5
Check "files(position) reaches Item(position)", files.Item(2).Size, 5
Check "one object per entry", files(2) Is files.Item(2), True
files("BARE").Size = 6
Check "files(key) reaches Item(key)", files.Item("bare").Size, 6

' A text that spells a number is a key; a number is a position, rounded to
' even as VBScript rounds; an object stands for its default member, its Name.
Set files = CreateObject("Tarnix.Files")
files.Add "", "2"
files.Add "", "1"
files.Add "", "third"
cases = Array( _
  Array("1", "1"), Array(1, "2"), Array(CLng(3), "third"), Array(CByte(2), "1"), _
  Array(1.5, "1"), Array(2.5, "1"), Array(2.51, "third"))
For Each c In cases
  Check "Item(" & c(0) & " as " & TypeName(c(0)) & ")", files(c(0)).Name, c(1)
Next
Check "Item(entry) uses the entry's Name as key", files(files(3)).Name, "third"

' An empty name adds an entry without a key, reached by position only.
' (Keys in other letters, also beyond ASCII: test-names.vbs.)
Set files = CreateObject("Tarnix.Files")
files.Add "x\", ""
files.Add "y\", ""
Check "keyless entries coexist", files.Count, 2
Check "a keyless entry by position", files(2).Path, "y\"
On Error Resume Next
Set entry = files("")
CheckError "empty key", 5, "Invalid procedure call or argument"
On Error GoTo 0

' Remove by key in any letter case, by position and by an entry; the key is
' free again afterwards; For Each follows what is left.
Set files = CreateObject("Tarnix.Files")
For Each value In Array("a.txt", "B.txt", "c.txt", "d.txt")
  files.Add "C:\data\", value
Next
files.Remove "C.TXT"
Check "after Remove(key)", WalkedNames(files), "a.txt B.txt d.txt "
files.Remove 1
Check "after Remove(position)", WalkedNames(files), "B.txt d.txt "
files.Remove files("d.txt")
Check "after Remove(entry)", WalkedNames(files), "B.txt "
files.Add "D:\", "c.txt"
Check "a removed key is free again", files("C.txt").Path, "D:\"

' Sort and Sorted. Sort without arguments is by name, ascending; the words
' are taken in any letter case.
Set files = CreateObject("Tarnix.Files")
files.Add "C:\b\", "one.TXT", 32, 10, "10/1/1997 0:0:0"
files.Add "C:\a\", "two.bat", 16, -3, "12/2/1997 0:0:0"
files.Add "C:\c\", "Three", 1, 9, "9/30/1997 0:0:0"
cases = Array( _
  Array("", "", "two.bat one.TXT Three "), _
  Array("Extension", "", "Three two.bat one.TXT "), _
  Array("PATH", "descending", "Three one.TXT two.bat "), _
  Array("size", "Ascending", "two.bat Three one.TXT "), _
  Array("Attributes", "DESCENDING", "one.TXT two.bat Three "), _
  Array("modified", "ascending", "one.TXT two.bat Three "))  ' Modified sorts as text
For Each c In cases
  If c(0) = "" Then
    Check "Sort() succeeds", files.Sort(), True
  ElseIf c(1) = "" Then
    Check "Sort(" & c(0) & ") succeeds", files.Sort(c(0)), True
  Else
    Check "Sort(" & c(0) & ", " & c(1) & ") succeeds", files.Sort(c(0), c(1)), True
  End If
  Check "order after Sort(" & c(0) & ", " & c(1) & ")", ItemNames(files), c(2)
Next

' While sorted, text converts to a position through the sort.
files.Sort "name", "descending"
Check "Item(""1"") while sorted", files("1").Name, "Three"
Check "Item(""3"") while sorted", files("3").Name, "two.bat"
files.Sorted = False
Check "unsorted again: insertion order", files(1).Name, "one.TXT"
Check "unsorted again: keys work", files("THREE").Path, "C:\c\"
files.Sorted = True
Check "Sorted = True again uses the last sort", files(1).Name, "Three"

' Add and Remove end the sorted state; Remove takes insertion positions even
' while sorted.
files.Add "C:\d\", "four"
Check "Sorted after Add", files.Sorted, False
Check "Add appends in insertion order", files(4).Name, "four"
files.Sort "size"
files.Remove 1
Check "Sorted after Remove", files.Sorted, False
Check "Remove(1) while sorted took the first added", WalkedNames(files), "two.bat Three four "

' Sorted set to True before any Sort has no order to follow.
Set files = CreateObject("Tarnix.Files")
files.Add "", "a"
files.Sorted = True
On Error Resume Next
Set entry = files(1)
CheckError "Item(1) with Sorted set but never sorted", 9, "Subscript out of range"
On Error GoTo 0
