#pragma once
// What a translation file holds, and what in it would make the component's
// file operations fail.
#include <cstdint>
#include <ostream>
#include <string>

namespace lxvtrans {

// Owners, tags, locales and line counts.
void ListFile(const std::string& fileName, std::ostream& out);

// One report per faulty line, with its number and why, then a summary.
// Returns the number of problems found.
int CheckFile(const std::string& fileName, std::ostream& out);

// A sample date, time, number and amounts formatted with the lines of
// (owner, tag) for `locale` (a designator or hexadecimal LCID), as applying
// that locale would format them.
void PreviewFile(const std::string& fileName, const std::string& owner, const std::string& locale,
                 std::int32_t tag, std::ostream& out);

}  // namespace lxvtrans
