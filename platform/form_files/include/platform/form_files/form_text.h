#pragma once
// The text form format ("object Form1: TForm1 ... end") and the converters
// between it and the binary format. The converters work at the stream level
// and need no classes registered.
#include <string>
#include <string_view>

#include "platform/form_files/form_document.h"
#include "platform/base/host_generation.h"

namespace platform {

class TStream;
class TSourcePositions;

// Text in the framework's layout: two blanks per level, CR LF line ends.
std::string FormatFormText(const TFormObject& object);
// Accepts either line end and either layout. Raises EReadError naming the
// line and column of the fault.
TFormObject ParseFormText(std::string_view text, int generation = HostGeneration());

enum class TFormFormat { Binary, Resource, Text };
// Judged by content: "TPF0" is binary, a resource header ($FF) a resource,
// anything else is taken for text.
TFormFormat TestFormFormat(std::string_view content);

// The resource container: $FF, type 10, the zero-terminated name, flags
// $1030 and the size of the form stream that follows.
std::string ResourceHeader(std::string_view name, std::uint32_t size);
// Skips the header at the start of content; returns the form stream and
// stores the resource name. Raises EReadError on a malformed header.
std::string_view StripResourceHeader(std::string_view content, std::string* name = nullptr);

// The rest of a stream that holds a form, from its position to its end.
// Raises EReadError when that is more than kMaxFormFileBytes
// (platform/base/files.h).
std::string ReadFormStream(TStream& input);

// Converters between streams; they read the input from its position to its end.
void ObjectBinaryToText(TStream& input, TStream& output, int generation = HostGeneration());
void ObjectTextToBinary(TStream& input, TStream& output, int generation = HostGeneration());
void ObjectResourceToText(TStream& input, TStream& output, int generation = HostGeneration());
void ObjectTextToResource(TStream& input, TStream& output, int generation = HostGeneration());

// A form file's content in any of the three formats as a binary form stream.
std::string FormContentToBinary(std::string_view content, int generation = HostGeneration());
// The same, marking for a text form where the stream's parts came from, so
// that a reader of the stream names lines and columns in its errors.
std::string FormContentToBinary(std::string_view content, TSourcePositions& positions,
                                int generation = HostGeneration());

// A form file's content in any of the three formats, decoded once: the
// format it was in, the document, and the binary stream (a text form is
// encoded from the document, which also checks that it can be written).
struct TFormContent {
  TFormFormat Format = TFormFormat::Text;
  TFormObject Document;
  std::string Binary;
};
TFormContent FormContentToDocument(std::string_view content, int generation = HostGeneration());

}  // namespace platform
