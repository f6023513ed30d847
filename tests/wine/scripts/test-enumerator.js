// Tarnix from JScript: walking with Enumerator, default members called as
// functions, member names in any letter case and omitted optional arguments.

function walk(list) {  // names in the order an Enumerator gives them
  var names = [];
  for (var e = new Enumerator(list); !e.atEnd(); e.moveNext()) names.push(e.item().Name);
  return names.join(" ");
}

function itemNames(list) {  // names in the order Item(1..Count) gives them
  var names = [];
  for (var i = 1; i <= list.Count; i++) names.push(list.Item(i).Name);
  return names.join(" ");
}

// An Enumerator walks insertion order, sorted or not, and keeps walking what
// was there when it was made.
var files = new ActiveXObject("Tarnix.Files");
check("empty list: at end at once", new Enumerator(files).atEnd(), true);
files.Add("C:\\b\\", "charlie");
files.Add("C:\\a\\", "alpha");
files.Add("C:\\b\\", "bravo");
check("Enumerator order", walk(files), "charlie alpha bravo");
check("Sort() without arguments", files.Sort(), true);
check("Sort() is by name, ascending", itemNames(files), "alpha bravo charlie");
check("Enumerator order while sorted", walk(files), "charlie alpha bravo");
var early = new Enumerator(files);
files.Remove("ALPHA");
files.Add("", "delta");
var late = [];
for (; !early.atEnd(); early.moveNext()) late.push(early.item().Name);
check("an Enumerator keeps its snapshot", late.join(" "), "charlie alpha bravo");
check("a new Enumerator sees the change", walk(files), "charlie bravo delta");
files.ClearFileList();
check("cleared: at end at once", new Enumerator(files).atEnd(), true);

// Default members: Item of Files, Name of File.
files.Add("C:\\data\\", "report.txt", 32, 5, "1/7/2000 9:5:3");
files.Add("C:\\data\\", "notes.txt");
check("files(position)", files(2).Name, "notes.txt");
check("files(key) in other letters", files("REPORT.TXT").Size, 5);
check("files.Item(key)", files.Item("Notes.Txt").Path, "C:\\data\\");
check("a File as text is its Name", "" + files(1), "report.txt");
check("String(File)", String(files.Item(2)), "notes.txt");
files(2).Size = 9;
check("files(position) reaches the entry the list holds", files.Item("notes.txt").Size, 9);

// Omitted optional arguments: Add's last three are 0, 0 and "".
var bare = files.Item(2);
check("Add without Attributes", bare.Attributes, 0);
check("Add without Modified", bare.Modified, "");
check("Add with all arguments: Modified", files(1).Modified, "1/7/2000 9:5:3");
check("Add with all arguments: Attributes", files(1).Attributes, 32);

// GetFileList() and Exists() search Path and Mask; member names in any case.
writeFile("one.txt", "1");
writeFile("two.log", "22");
var listed = new ActiveXObject("Tarnix.Files");
listed.PATH = work;
listed.mask = "*.LOG";
check("exists() with Mask", listed.exists(), true);
check("GETFILELIST() with Mask", listed.GETFILELIST(), true);
check("count", listed.count, 1);
check("ITEM(1).NAME", listed.ITEM(1).NAME, "two.log");
check("item(1).size", listed.item(1).size, 2);
listed.Mask = "";
listed.ClearFileList();
check("GetFileList() without Mask", listed.GetFileList(), true);
check("everything listed", listed.Count, 2);
check("sort('SIZE', 'Descending')", listed.sort("SIZE", "Descending"), true);
check("first by size", listed(1).name, "two.log");
listed.Sorted = false;  // keys work again
var entry = listed.Item("one.txt");
check("entry.COPY", entry.COPY("three.txt"), true);
check("copied", fso.GetFile(work + "three.txt").Size, 1);
check("entry.killfile", entry.killfile(), true);
check("Files.KILLFILE", listed.KILLFILE("three.txt"), true);
check("both gone", fso.FileExists(work + "one.txt") || fso.FileExists(work + "three.txt"), false);

// Results come back as JScript booleans and numbers.
check("a Boolean result", typeof listed.Exists(work + "*.*"), "boolean");
check("Sorted is a Boolean", typeof listed.Sorted, "boolean");
check("Size is a number", typeof listed(1).Size, "number");
check("Count is a number", typeof listed.Count, "number");
