#include "sorting/SortKeys.h"

#include "platform/Failure.h"

namespace tarnix {

std::optional<SortField> SortFieldNamed(TextView loweredWord) {
  static constexpr struct {
    TextView word;
    SortField field;
  } kWords[] = {
      {u"name", SortField::Name},         {u"extension", SortField::Extension},
      {u"path", SortField::Path},         {u"size", SortField::Size},
      {u"modified", SortField::Modified}, {u"attributes", SortField::Attributes},
  };
  for (const auto& entry : kWords) {
    if (entry.word == loweredWord) return entry.field;
  }
  return std::nullopt;
}

bool SortsAsNumber(SortField field) {
  return field == SortField::Size || field == SortField::Attributes;
}

Text ExtensionOf(TextView name) {
  if (name.size() > 32767) throw ClassicFailure(Classic::Overflow);
  std::size_t dot = name.rfind(u'.');
  if (dot == TextView::npos) return Text();
  return Text(name.substr(dot + 1));
}

Text TextKeyOf(const File& entry, SortField field) {
  switch (field) {
    case SortField::Name: {
      Text joined;
      joined.reserve(entry.Path.size() + entry.Name.size());
      joined.append(entry.Path.View()).append(entry.Name.View());
      return LowerCase(joined);
    }
    case SortField::Extension:
      return LowerCase(ExtensionOf(entry.Name.View()));
    case SortField::Path:
      return LowerCase(entry.Path.View());
    case SortField::Modified:
      return entry.Modified.ToText();
    default:
      return Text();
  }
}

std::int32_t NumberKeyOf(const File& entry, SortField field) {
  return field == SortField::Size ? entry.Size : entry.Attributes;
}

}  // namespace tarnix
