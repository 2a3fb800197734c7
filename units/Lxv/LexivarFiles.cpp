// TLexivar: translation files and the text escapes, on the free functions of
// Lxv/TranslationFile.h and Lxv/Literals.h.
#include "Lxv/Lexivar.h"
#include "Lxv/Literals.h"
#include "Lxv/TranslationFile.h"

namespace Lxv {

void TLexivar::SaveTo(const std::string& fileName) const {
  SaveTranslationFile(*Translations(), TranslationOwnerName(Owner()), locale_, fileName);
}

bool TLexivar::LoadFrom(const std::string& fileName) {
  return LoadTranslationFile(*Translations(), TranslationOwnerName(Owner()), locale_, fileName);
}

void TLexivar::ConvertToLiterals(std::string& s) { Lxv::ConvertToLiterals(s); }
void TLexivar::ConvertFromLiterals(std::string& s) { Lxv::ConvertFromLiterals(s); }
std::string TLexivar::WriteString(const std::string& s) { return Lxv::WriteString(s); }
std::string TLexivar::ReadString(const std::string& s) { return Lxv::ReadString(s); }

}  // namespace Lxv
