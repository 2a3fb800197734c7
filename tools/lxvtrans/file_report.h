#pragma once
// What a translation file holds, and what in it would make the component's
// file operations fail.
#include <ostream>
#include <string>

namespace lxvtrans {

// Owners, tags, locales and line counts.
void ListFile(const std::string& fileName, std::ostream& out);

// One report per faulty line, with its number and why, then a summary.
// Returns the number of problems found.
int CheckFile(const std::string& fileName, std::ostream& out);

}  // namespace lxvtrans
