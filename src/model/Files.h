#pragma once
// Files: the settings of a directory listing, the list of entries it produced,
// the sort state and the text of the last failure.
//
// The class declares all its members here; each is defined in the folder of
// the subsystem that owns the behaviour (model/, listing/, sorting/, fileops/).

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/EntryList.h"
#include "model/File.h"
#include "platform/SlabArena.h"
#include "platform/Text.h"
#include "platform/Value.h"

namespace tarnix {

class Files {
 public:
  Files() = default;
  ~Files();
  Files(const Files&) = delete;
  Files& operator=(const Files&) = delete;

  // Plain properties: no code behind them.
  Text Mask;
  Text LastError;
  Text Attributes = u"-1";  // the listing's attribute filter, as text
  bool Sorted = false;

  // Path: the setter trims blanks and ends a non-empty value with a separator.
  const Text& GetPath() const { return path_; }
  void SetPath(TextView value);

  // The entry list.
  // The texts are taken as they are shared: a listing passes one folder
  // text for all its entries.
  std::shared_ptr<File> Add(SharedText fpath, SharedText name, std::int32_t attributes = 0, std::int32_t size = 0,
                            ModifiedText modified = ModifiedText());
  std::shared_ptr<File> Item(const Value& indexKey) const;
  std::int32_t Count() const { return entries_.Count(); }
  void Remove(const Value& indexKey);
  std::vector<std::shared_ptr<File>> NewEnum() const { return entries_.Snapshot(); }
  bool ClearFileList();

  // Appends an entry for every match of one directory search that passes the
  // Attributes filter; without `newPath` it searches Path followed by Mask.
  bool GetFileList(const Value& newPath = Value::Missing());
  // Whether the search finds any entry at all ("." and ".." included).
  bool Exists(const Value& newPath = Value::Missing());

  // Orders Item by position by one field, without moving the entries.
  bool Sort(const Value& field = Value::Missing(), const Value& order = Value::Missing());

  // File operations on names taken relative to Path unless absolute.
  bool RemoveDir(const Text& dirName);
  bool MakeDir(const Text& dirName);
  bool Rename(const Text& fromName, const Text& toName);
  bool KillFile(const Text& fileName);
  bool Copy(const Text& fromName, const Text& toName);

 private:
  Text Resolve(const Text& name) const;

  Text path_;
  // Where the entries and the names of listings are carved from.
  SlabArena slabs_;
  EntryList entries_;
  // The table the last Sort built: element i holds the insertion position of
  // the entry at sorted place i; element 0 is never filled. Absent before the
  // first Sort.
  std::optional<std::vector<std::int32_t>> sortTable_;
};

}  // namespace tarnix
