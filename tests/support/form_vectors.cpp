#include "form_vectors.h"

#include <cstdio>
#include <regex>
#include <sstream>

#include "platform/base/files.h"

namespace lxvtest {

using namespace platform;

std::string FormFixturePath(const std::string& file) { return std::string(LXV_TEST_DATA_DIR) + "/forms/" + file; }
std::string FormFixture(const std::string& file) { return ReadFileBytes(FormFixturePath(file)); }

namespace {

std::string Hex2(unsigned v) {
  char b[3];
  std::snprintf(b, sizeof b, "%02X", v);
  return b;
}

template <class Units>
std::string Quoted(const Units& units) {
  if (units.empty()) return "''";
  std::string out;
  bool open = false;
  for (auto u : units) {
    const auto c = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<decltype(u)>>(u));
    if (c >= 32 && c <= 126) {
      if (!open) out += '\'';
      open = true;
      if (c == '\'') out += '\'';
      out += static_cast<char>(c);
    } else {
      if (open) out += '\'';
      open = false;
      out += "#" + std::to_string(c);
    }
  }
  if (open) out += '\'';
  return out;
}

std::string Code(TValueType t) {
  std::string name = ValueTypeName(t);
  return name + "(" + Hex2(t) + ")";
}

class TLister {
 public:
  std::vector<std::string> lines;

  void Object(const TFormObject& o, int level) {
    std::string head = Pad(level) + ((o.Flags & ffInline) ? "inline " : (o.Flags & ffInherited) ? "inherited " : "object ");
    head += o.Name + ": " + o.ClassName;
    lines.push_back(head);
    Properties(o.Properties, level + 1);
    for (const TFormObject& child : o.Children) Object(child, level + 1);
    lines.push_back(Pad(level) + "end-object " + o.Name);
  }

 private:
  static std::string Pad(int level) { return std::string(static_cast<std::size_t>(level) * 2, ' '); }

  void Properties(const std::vector<TFormProperty>& props, int level) {
    for (const TFormProperty& p : props) Value(Pad(level) + "prop " + p.Name + " = ", p.Value, level);
    lines.push_back(Pad(level) + "end-props");
  }

  void Value(const std::string& lead, const TFormValue& v, int level) {
    std::string text = lead + Code(v.Type);
    switch (v.Type) {
      case vaInt8: case vaInt16: case vaInt32: case vaInt64: text += " " + std::to_string(v.Int); break;
      case vaString: case vaLString:
        text += " len=" + std::to_string(v.Str.size()) + " " + Quoted(v.Str);
        break;
      case vaWString: text += " units=" + std::to_string(v.Wide.size()) + " " + Quoted(v.Wide); break;
      case vaIdent: text += " " + v.Str; break;
      case vaExtended: {
        text += " bytes=";
        for (auto b : v.Extended) text += Hex2(b);
        break;
      }
      case vaBinary: {
        text += " size=" + std::to_string(v.Str.size()) + " ";
        for (unsigned char b : v.Str) text += Hex2(b);
        break;
      }
      case vaSet: {
        text += " [";
        for (std::size_t i = 0; i < v.Names.size(); ++i) text += (i ? "," : "") + v.Names[i];
        text += "]";
        break;
      }
      default: break;
    }
    lines.push_back(text);
    if (v.Type == vaList) {
      for (std::size_t i = 0; i < v.List.size(); ++i)
        Value(Pad(level + 1) + "item " + std::to_string(i) + " = ", v.List[i], level + 1);
      lines.push_back(Pad(level) + "end-list");
    }
    if (v.Type == vaCollection) {
      for (std::size_t i = 0; i < v.Items.size(); ++i) {
        lines.push_back(Pad(level + 1) + "item " + std::to_string(i));
        Properties(v.Items[i].Properties, level + 2);
      }
      lines.push_back(Pad(level) + "end-collection");
    }
  }
};

}  // namespace

std::vector<std::string> ValuesListing(const TFormObject& form) {
  TLister lister;
  lister.lines.push_back("signature TPF0");
  lister.Object(form, 0);
  return lister.lines;
}

std::vector<std::string> ValuesFile(const std::string& vector) {
  std::istringstream in(FormFixture(vector + ".values"));
  std::vector<std::string> lines;
  const std::regex floatDecimal(R"(\(05\) \S+ bytes=)");
  for (std::string line; std::getline(in, line);) lines.push_back(std::regex_replace(line, floatDecimal, "(05) bytes="));
  return lines;
}

}  // namespace lxvtest
