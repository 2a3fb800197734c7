#include "platform/forms/snapshot.h"

#include "platform/forms/form.h"
#include "platform/forms/menus.h"

namespace platform {

namespace {

void Line(std::string& out, int depth, const std::string& text) {
  out.append(static_cast<std::size_t>(depth) * 2, ' ');
  out += text;
  out += '\n';
}

void Describe(std::string& out, const TControl& c, int depth) {
  std::string line = c.Name() + ": " + c.ClassName();
  if (!c.Caption().empty()) line += " '" + c.Caption() + "'";
  line += " at " + std::to_string(c.Left()) + "," + std::to_string(c.Top()) + " size " + std::to_string(c.Width()) +
          "x" + std::to_string(c.Height());
  if (const std::string state = c.SnapshotState(); !state.empty()) line += " " + state;
  if (!c.Enabled()) line += " disabled";
  if (!c.Visible()) line += " hidden";
  if (const auto* w = DynCast<TWinControl>(&c); w != nullptr && w->Focused()) line += " focused";
  Line(out, depth, line);
  for (const std::string& entry : c.SnapshotEntries()) Line(out, depth + 2, entry);
  if (const auto* w = DynCast<TWinControl>(&c))
    for (int i = 0; i < w->ControlCount(); ++i) Describe(out, *w->Controls(i), depth + 1);
}

void DescribeMenu(std::string& out, const TMenuItem& parent, int depth) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    std::string line = std::string(item.Checked() ? "[x] " : "[ ] ") + item.Caption();
    if (!item.Enabled()) line += " disabled";
    if (!item.Visible()) line += " hidden";
    Line(out, depth, line);
    DescribeMenu(out, item, depth + 1);
  }
}

}  // namespace

std::string FormSnapshot(const TForm& form) {
  std::string out;
  Describe(out, form, 0);
  if (form.Menu() != nullptr) {
    Line(out, 1, "menu " + form.Menu()->Name());
    DescribeMenu(out, *form.Menu()->Items(), 2);
  }
  return out;
}

}  // namespace platform
