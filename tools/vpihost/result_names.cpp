#include "result_names.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "core/vpi_records.h"

namespace vpihost {
namespace {

struct Named {
  int32_t code;
  const char* name;
};

const Named kResults[] = {
    {VPI_OK, "VPI_OK"},
    {VPI_INVALID, "VPI_INVALID"},
    {VPI_FAILED, "VPI_FAILED"},
    {VPI_CANCELLED, "VPI_CANCELLED"},
};

const Named kTypes[] = {
    {VPI_TYPE_INT16, "INT16"},
    {VPI_TYPE_INT32, "INT32"},
    {VPI_TYPE_FLAG, "FLAG"},
    {VPI_TYPE_TEXT, "TEXT"},
};

std::string Upper(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

}  // namespace

std::string ResultName(int32_t code) {
  for (const Named& r : kResults) {
    if (r.code == code) return r.name;
  }
  return std::to_string(code);
}

bool ParseResultCode(const std::string& text, int32_t* code) {
  const std::string upper = Upper(text);
  for (const Named& r : kResults) {
    if (upper == r.name) {
      *code = r.code;
      return true;
    }
  }
  long long number = 0;
  if (!ParseInteger(text, INT32_MIN, INT32_MAX, &number)) return false;
  *code = static_cast<int32_t>(number);
  return true;
}

std::string TypeName(int32_t type) {
  for (const Named& t : kTypes) {
    if (t.code == type) return t.name;
  }
  return std::to_string(type);
}

bool ParseTypeCode(const std::string& text, int32_t* type) {
  std::string upper = Upper(text);
  if (upper.rfind("VPI_TYPE_", 0) == 0) upper = upper.substr(9);
  for (const Named& t : kTypes) {
    if (upper == t.name) {
      *type = t.code;
      return true;
    }
  }
  long long number = 0;
  if (!ParseInteger(text, INT32_MIN, INT32_MAX, &number)) return false;
  *type = static_cast<int32_t>(number);
  return true;
}

bool ParseInteger(const std::string& text, long long low, long long high, long long* value) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
  const bool hex =
      text.size() > 2 && (text.compare(0, 2, "0x") == 0 || text.compare(0, 2, "0X") == 0);
  errno = 0;
  char* end = nullptr;
  const long long parsed = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
  if (errno != 0 || end == text.c_str() || *end != '\0') return false;
  if (parsed < low || parsed > high) return false;
  *value = parsed;
  return true;
}

}  // namespace vpihost
