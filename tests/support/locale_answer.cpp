#include "support/locale_answer.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lxvtest {

std::string Answer(platform::LCID locale, platform::LCTYPE type) {
  char buffer[256];
  return platform::GetLocaleInfoA(locale, type, buffer, 255) ? std::string(buffer) : "<failed>";
}

std::vector<TReferenceAnswer> ReadReferenceAnswers() {
  std::ifstream file(std::string(LXV_TEST_DATA_DIR) + "/nls/windows-answers.tsv");
  if (!file) throw std::runtime_error("no reference answers in " LXV_TEST_DATA_DIR);
  std::vector<TReferenceAnswer> rows;
  std::string line;
  std::getline(file, line);  // header
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    std::string locale, type, name, value;
    std::getline(fields, locale, '\t');
    std::getline(fields, type, '\t');
    std::getline(fields, name, '\t');
    std::getline(fields, value, '\t');
    rows.push_back({static_cast<platform::LCID>(std::stoul(locale, nullptr, 16)),
                    static_cast<platform::LCTYPE>(std::stoul(type)), name, value});
  }
  return rows;
}

}  // namespace lxvtest
