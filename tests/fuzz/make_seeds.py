#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus, tests/fuzz/seeds/, from the programs below:
calls a script typically makes, and the ones that once went wrong. The
encoding is the one Program.h describes; member indices follow the slot order
of the _Files and _File interfaces, which the automation contract fixes.

Run: python3 tests/fuzz/make_seeds.py
"""
import os
import struct

FILES = ["Mask get", "Mask put", "LastError get", "LastError put", "Attributes get", "Attributes put",
         "Sorted get", "Sorted put", "Path put", "Path get", "RemoveDir", "MakeDir", "Rename", "KillFile",
         "Copy", "ClearFileList", "Exists", "GetFileList", "Sort", "Add", "Item", "Count", "Remove", "NewEnum"]
FILE = ["Name get", "Name put", "Attributes get", "Attributes put", "Size get", "Size put", "Modified get",
        "Modified put", "Path get", "Path put", "LastError get", "LastError put", "Copy", "KillFile", "Rename"]

MISSING, NULL, EMPTY, NOTHING = [0], [1], [2], [3]


def boolean(flag):
    return [4, 1 if flag else 0]


# The first integers and doubles of the tables in Program.cpp, in their order.
INTEGERS = [0, 1, -1, 2, 16, 32, 48, 255, 32767, -32768, 32768]
DOUBLES = [0.0, -0.0, 0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 16.4, 3.0]


def integer(value):
    return [5, INTEGERS.index(value)]


def double(value):
    return [6, DOUBLES.index(value)]


def root():  # the sandbox, by its absolute path
    return [7, 0, 0]


def long_text(fragment, length):  # length: 0 32767, 1 32768, 2 70000 characters
    return [8, fragment, length]


def obj(index):  # 0 the Files object, 1 a fresh File, then the entries held
    return [9, index]


def text(value):
    units = value.encode("utf-16-le")
    assert len(units) // 2 < 16, value
    return [10, len(units) // 2] + list(units)


def raw_integer(number):
    return [11] + list(struct.pack("<i", number))


def call(target, member, *arguments):
    table = FILES if target == 0 else FILE
    # A count of 16 or more: as many arguments as the member has parameters.
    count = len(arguments) if len(arguments) < 5 else 255
    return [target, table.index(member), 0, count] + [b for a in arguments for b in a]


def files(member, *arguments):
    return call(0, member, *arguments)


def entry(slot, member, *arguments):  # slot 2 is the first entry the program received
    return call(slot, member, *arguments)


SEEDS = {
    "typical-request": [
        files("Path put", root()), files("GetFileList"), files("Sort", text("size"), text("descending")),
        files("Count"), files("Item", integer(1)), entry(2, "Name get"), entry(2, "Size get"),
        entry(2, "Modified get"), files("Item", raw_integer(3)), entry(3, "Path get")],
    "pattern-with-slashes": [
        files("GetFileList", text("sub/*.txt")), files("Item", integer(1)), entry(2, "KillFile"),
        files("GetFileList", text("sub\\deeper\\*.*")), files("Item", text("x.log")), entry(3, "Copy", text("y.log"))],
    "mask-with-folder": [
        files("Path put", root()), files("Mask put", text("sub/*.*")), files("GetFileList"),
        files("Item", integer(1)), entry(2, "Path get"), entry(2, "Rename", text("moved.txt")),
        files("Mask put", text("sub\\deeper\\x*")), files("GetFileList")],
    "bare-pattern": [
        files("GetFileList", text("*.txt")), files("Item", integer(1)), entry(2, "Copy", text("copy.txt")),
        files("Exists", text("copy.txt")), files("GetFileList", text("C:*.*"))],
    "collection": [
        files("Add", text(""), text("x")), files("Add", text("d\\"), text("y"), integer(32), integer(-32768), text("1/2/3 4:5:6")),
        files("Add", text(""), text("X")), files("Add", text(""), text("z"), double(2.5)),
        files("Remove", integer(2)), files("Remove", text("Z")), files("Item", integer(0)),
        files("Item", text("y")), files("Sort"), files("Item", text("y")), files("ClearFileList"), files("Count")],
    "sort-fields": [
        files("GetFileList", text("*.*")), files("GetFileList", text("sub/*")), files("Sort", text("name")),
        files("Sort", text("extension"), text("ascending")), files("Sort", text("modified")),
        files("Sort", text("ATTRIBUTES"), text("DESCENDING")), files("Sort", text("path")),
        files("Sort", text("colour")), files("Sort", text("size"), text("sideways")), files("Sort", NULL)],
    "file-operations": [
        files("Copy", text("a.txt"), text("b.txt")), files("Rename", text("b.txt"), text("sub/b.txt")),
        files("KillFile", text("sub\\*.txt")), files("MakeDir", text("new")), files("MakeDir", text("new")),
        files("RemoveDir", text("new")), files("RemoveDir", text("sub")), files("Copy", text("a.txt"), text("a.txt")),
        files("Copy", text("readonly.txt"), text("B.TXT"))],
    "exists": [
        files("Exists"), files("Exists", text("*.none")), files("Exists", NOTHING), files("Exists", NULL),
        files("Exists", text("empty\\*.*")), files("Exists", text("sub"))],
    "entries": [
        files("GetFileList"), files("NewEnum"), entry(2, "Name put", text("c.bat")), entry(2, "Path put", text("sub/")),
        entry(2, "Modified put", text("x")), entry(2, "Rename", text("renamed")), entry(3, "Attributes put", integer(16)),
        entry(3, "KillFile"), entry(4, "LastError put", text("e")), entry(4, "Copy", text("sub\\"))],
    "attribute-filter": [
        files("Attributes put", text("16")), files("GetFileList"), files("ClearFileList"),
        files("Attributes put", text("0")), files("GetFileList"), files("Attributes put", text("x")),
        files("GetFileList"), files("Attributes put", text("4294967296")), files("GetFileList")],
    "special-files": [
        files("Copy", text("fifo"), text("x")), files("Copy", text("a.txt"), text("fifo")),
        files("GetFileList", text("fifo")), files("Item", integer(1)), entry(2, "Copy", text("y"))],
    "nothing-and-null": [
        files("Item", NOTHING), files("RemoveDir", NOTHING), files("GetFileList", NOTHING), files("Sort", NOTHING),
        files("Add", NOTHING, text("x")), files("Remove", NOTHING), files("Path put", NULL), files("Item", NULL)],
    "long-texts": [
        files("Path put", long_text(1, 2)), files("GetFileList"), files("GetFileList", long_text(21, 1)),
        files("Add", text(""), long_text(1, 1)), files("Sort", text("extension")), files("Mask put", long_text(19, 0))],
    "sorted-state": [
        files("GetFileList"), files("Sorted put", boolean(True)), files("Item", integer(1)),
        files("Sort", text("size")), files("Item", integer(1)), files("Sorted put", boolean(False)),
        files("LastError put", text("set")), files("Item", raw_integer(-1))],
    "objects-as-arguments": [
        files("GetFileList"), files("Item", integer(1)), files("Item", obj(2)), files("Sort", obj(2)),
        entry(1, "Name put", text("size")), files("Sort", obj(1)), files("Copy", obj(2), text("copy"))],
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")
    os.makedirs(folder, exist_ok=True)
    for name, steps in SEEDS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bytes(b for step in steps for b in step))


main()
