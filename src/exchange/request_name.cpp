#include "exchange/request_name.h"

#include "common/bounded_text.h"

namespace vpi {

bool TakeRequestName(const char* addressText, RequestName* out) {
  if (!CopyTextIfFits(out->text, sizeof out->text, addressText)) return false;
  out->name = out->text[0] != '\0' ? out->text + 1 : out->text;
  return true;
}

}  // namespace vpi
