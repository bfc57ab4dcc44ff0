#include "exchange/placement_text.h"

#include <cstring>

#include "core/bounded_text.h"
#include "exchange/source_lookup.h"

namespace vpi {
namespace {

// Joins the pieces of the text in a working buffer; once a piece does not
// fit (49 characters and the NUL), the text is given up.
struct PlacementWriter {
  char text[kHostTextSize];
  size_t length;
  bool fits;

  void Put(const char* piece, size_t count) {
    if (!fits || count >= sizeof text - length) {
      fits = false;
      return;
    }
    std::memcpy(text + length, piece, count);
    length += count;
  }

  void Put(char c) { Put(&c, 1); }

  // Decimal, with a "-" when negative and no leading zeros or blanks.
  void PutNumber(int16_t value) {
    char digits[8];
    size_t count = 0;
    unsigned magnitude =
        value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
      digits[sizeof digits - ++count] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[sizeof digits - ++count] = '-';
    Put(digits + sizeof digits - count, count);
  }
};

}  // namespace

bool BuildPlacementText(const DriverData* data, char* out) {
  const int source = data->source;
  if (!SourceStored(data, source)) return false;
  const char* name = data->sources[source].name;
  PlacementWriter writer{{}, 0, true};
  writer.Put('(');
  writer.Put(name, BoundedLength(name, sizeof data->sources[source].name));
  const int16_t numbers[kPlacementNumbers] = {data->x, data->y, data->width, data->height,
                                              data->zOrder};
  for (int16_t number : numbers) {
    writer.Put(',');
    writer.PutNumber(number);
  }
  writer.Put(',');
  writer.Put(data->caption, BoundedLength(data->caption, kCaptionSize));
  writer.Put(')');
  if (!writer.fits) return false;
  writer.text[writer.length] = '\0';
  std::memcpy(out, writer.text, writer.length + 1);
  return true;
}

}  // namespace vpi
