#pragma once
// Translation tables of the TLexivar components of a form file, moved to and
// from translation files by the components' own SaveTo and LoadFrom.
#include <ostream>
#include <string>

namespace lxvtrans {

// Saves the table of every TLexivar of the form into the translation file.
// Returns the number of tables saved; raises when the form has none that
// keeps its table in the form (a component whose FileName is set does not).
int ExtractTables(const std::string& formFile, const std::string& translationFile, std::ostream& out);

// Merges the translation file's lines into every TLexivar of the form and
// writes the form, in the format it was read in, to outFile. Returns the
// number of tables merged; raises as ExtractTables does, writing nothing.
int InjectTables(const std::string& translationFile, const std::string& formFile, const std::string& outFile,
                 std::ostream& out);

}  // namespace lxvtrans
