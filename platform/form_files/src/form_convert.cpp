// Converters between the binary, resource and text form formats.
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/form_files/form_text.h"
#include "platform/streaming/binary_reader.h"
#include "platform/streaming/little_endian.h"
#include "platform/streaming/streams.h"

namespace platform {

TFormFormat TestFormFormat(std::string_view content) {
  if (content.substr(0, 4) == kFormSignature) return TFormFormat::Binary;
  if (!content.empty() && static_cast<unsigned char>(content[0]) == 0xFF) return TFormFormat::Resource;
  return TFormFormat::Text;
}

std::string ResourceHeader(std::string_view name, std::uint32_t size) {
  std::string header = "\xFF\x0A";
  header += '\0';
  header += UpperCase(name);
  header += '\0';
  header += "\x30\x10";
  char length[4];
  StoreLittleEndian(length, size, 4);
  return header.append(length, 4);
}

std::string_view StripResourceHeader(std::string_view content, std::string* name) {
  const auto fail = [](const std::string& what, std::size_t at) -> std::string_view {
    throw EReadError("Invalid resource header: " + what + " at offset " + std::to_string(at));
  };
  if (content.size() < 3 || static_cast<unsigned char>(content[0]) != 0xFF || content[1] != 0x0A || content[2] != 0)
    return fail("not a form resource (type 10 expected)", 0);
  std::size_t i = 3;
  std::string resourceName;
  if (i < content.size() && static_cast<unsigned char>(content[i]) == 0xFF) {
    if (i + 3 > content.size()) return fail("truncated", content.size());
    resourceName = std::to_string(LoadLittleEndian(content.data() + i + 1, 2));
    i += 3;
  } else {
    const std::size_t zero = content.find('\0', i);
    if (zero == std::string_view::npos) return fail("unterminated resource name", i);
    resourceName = std::string(content.substr(i, zero - i));
    i = zero + 1;
  }
  if (i + 6 > content.size()) return fail("truncated", content.size());
  i += 2;  // memory flags
  const std::uint64_t size = LoadLittleEndian(content.data() + i, 4);
  i += 4;
  if (size > content.size() - i)
    return fail("size " + std::to_string(size) + " exceeds the " + std::to_string(content.size() - i) + " bytes that follow", i - 4);
  if (name != nullptr) *name = resourceName;
  return content.substr(i, size);
}

std::string ReadFormStream(TStream& input) {
  if (input.Remaining() > static_cast<std::int64_t>(kMaxFormFileBytes))
    throw EReadError("Form stream holds more than " + std::to_string(kMaxFormFileBytes) + " bytes");
  return input.ReadRest();
}

void ObjectBinaryToText(TStream& input, TStream& output, int generation) {
  TBinaryReader reader(input, generation);
  reader.ReadSignature();
  const std::string text = FormatFormText(ReadFormObject(reader));
  output.WriteBuffer(text);
}

void ObjectTextToBinary(TStream& input, TStream& output, int generation) {
  const TFormObject object = ParseFormText(ReadFormStream(input), generation);
  const std::string binary = EncodeBinaryForm(object, generation);
  output.WriteBuffer(binary);
}

void ObjectResourceToText(TStream& input, TStream& output, int generation) {
  const std::string content = ReadFormStream(input);
  TMemoryStream form{std::string(StripResourceHeader(content))};
  ObjectBinaryToText(form, output, generation);
}

void ObjectTextToResource(TStream& input, TStream& output, int generation) {
  const TFormObject object = ParseFormText(ReadFormStream(input), generation);
  const std::string binary = EncodeBinaryForm(object, generation);
  output.WriteBuffer(ResourceHeader(object.ClassName, static_cast<std::uint32_t>(binary.size())));
  output.WriteBuffer(binary);
}

TFormContent FormContentToDocument(std::string_view content, int generation) {
  TFormContent result;
  result.Format = TestFormFormat(content);
  if (result.Format == TFormFormat::Text) {
    result.Document = ParseFormText(content, generation);
    result.Binary = EncodeBinaryForm(result.Document, generation);
  } else {
    result.Binary = FormContentToBinary(content, generation);
    result.Document = DecodeBinaryForm(result.Binary, generation);
  }
  return result;
}

std::string FormContentToBinary(std::string_view content, int generation) {
  switch (TestFormFormat(content)) {
    case TFormFormat::Binary: return std::string(content);
    case TFormFormat::Resource: return std::string(StripResourceHeader(content));
    case TFormFormat::Text: return EncodeBinaryForm(ParseFormText(content, generation), generation);
  }
  return {};
}

std::string FormContentToBinary(std::string_view content, TSourcePositions& positions, int generation) {
  if (TestFormFormat(content) != TFormFormat::Text) return FormContentToBinary(content, generation);
  return EncodeBinaryForm(ParseFormText(content, generation), content, positions, generation);
}

}  // namespace platform
