// Template 101 as the compiled VPIKDVTR.DLL carries it, read back from the
// loaded module's resources and checked field by field.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/driver_library.h"

namespace {

// A sequential reader over a DLGTEMPLATE resource.
class TemplateReader {
 public:
  TemplateReader(const unsigned char* data, size_t size) : data_(data), size_(size) {}

  bool ok() const { return ok_; }
  size_t offset() const { return offset_; }

  uint16_t Word() {
    uint16_t value = 0;
    Take(&value, sizeof value);
    return value;
  }
  uint32_t Dword() {
    uint32_t value = 0;
    Take(&value, sizeof value);
    return value;
  }
  int16_t Short() { return static_cast<int16_t>(Word()); }
  void AlignDword() { offset_ = (offset_ + 3) & ~size_t{3}; }

  // A name-or-ordinal field: "#<n>" for an ordinal, otherwise the text.
  std::string NameOrOrdinal() {
    if (Peek() == 0xFFFF) {
      Word();
      return "#" + std::to_string(Word());
    }
    return Text();
  }
  std::string Text() {
    std::string text;
    for (uint16_t c = Word(); ok_ && c != 0; c = Word()) text += static_cast<char>(c);
    return text;
  }

 private:
  uint16_t Peek() {
    uint16_t value = 0;
    if (offset_ + sizeof value <= size_) std::memcpy(&value, data_ + offset_, sizeof value);
    return value;
  }
  void Take(void* target, size_t bytes) {
    if (offset_ + bytes > size_) {
      ok_ = false;
      return;
    }
    std::memcpy(target, data_ + offset_, bytes);
    offset_ += bytes;
  }

  const unsigned char* data_;
  size_t size_;
  size_t offset_ = 0;
  bool ok_ = true;
};

struct Item {
  uint32_t style;
  uint32_t exStyle;
  int16_t x, y, cx, cy;
  uint16_t id;
  std::string windowClass;
  std::string text;
  uint16_t extra;
};

bool operator==(const Item& a, const Item& b) {
  return a.style == b.style && a.exStyle == b.exStyle && a.x == b.x && a.y == b.y && a.cx == b.cx &&
         a.cy == b.cy && a.id == b.id && a.windowClass == b.windowClass && a.text == b.text &&
         a.extra == b.extra;
}

std::ostream& operator<<(std::ostream& out, const Item& item) {
  return out << "{id " << item.id << " class " << item.windowClass << " \"" << item.text
             << "\" style 0x" << std::hex << item.style << " ex 0x" << item.exStyle << std::dec
             << " " << item.x << "," << item.y << "," << item.cx << "," << item.cy << " extra "
             << item.extra << "}";
}

TEST(BrowseTemplate, MatchesTheDialogTable) {
  vpitest::DriverEntry();  // loads the driver
  HMODULE module = GetModuleHandleA("VPIKDVTR.DLL");
  ASSERT_NE(module, nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(5));  // RT_DIALOG
  ASSERT_NE(info, nullptr);
  HGLOBAL loaded = LoadResource(module, info);
  ASSERT_NE(loaded, nullptr);
  const auto* data = static_cast<const unsigned char*>(LockResource(loaded));
  const size_t size = SizeofResource(module, info);
  ASSERT_NE(data, nullptr);

  TemplateReader reader(data, size);
  // Plain DLGTEMPLATE: an extended one would begin with version 1, 0xFFFF.
  EXPECT_EQ(reader.Dword(), uint32_t{WS_POPUP | DS_MODALFRAME | DS_SETFONT});
  EXPECT_EQ(reader.Dword(), 0u);  // extended style
  const uint16_t count = reader.Word();
  EXPECT_EQ(count, 6u);
  EXPECT_EQ(reader.Short(), 0);
  EXPECT_EQ(reader.Short(), 0);
  EXPECT_EQ(reader.Short(), 238);
  EXPECT_EQ(reader.Short(), 114);
  EXPECT_EQ(reader.NameOrOrdinal(), "");  // no menu
  EXPECT_EQ(reader.NameOrOrdinal(), "");  // the standard dialog class
  EXPECT_EQ(reader.Text(), "");           // no title
  EXPECT_EQ(reader.Word(), 8u);
  EXPECT_EQ(reader.Text(), "MS Sans Serif");

  const uint32_t child = WS_CHILD | WS_VISIBLE;
  const uint32_t button = child | WS_TABSTOP | BS_PUSHBUTTON;
  const uint32_t list = child | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT;
  const uint32_t radio = child | BS_AUTORADIOBUTTON | BS_RIGHT;
  const std::vector<Item> expected = {
      {button, 0, 165, 35, 50, 14, 1, "#128", "OK", 0},
      {button, 0, 166, 63, 50, 14, 2, "#128", "Cancel", 0},
      {list, 0, 25, 30, 106, 48, 1000, "#133", "", 0},
      {list, 0, 25, 75, 105, 41, 1001, "#133", "", 0},
      {radio, 0, 29, 57, 67, 10, 1002, "#128", "Parameter", 0},
      {radio, 0, 30, 14, 62, 10, 1003, "#128", "Function", 0},
  };
  std::vector<Item> items;
  for (uint16_t i = 0; i < count && reader.ok(); ++i) {
    reader.AlignDword();
    Item item{};
    item.style = reader.Dword();
    item.exStyle = reader.Dword();
    item.x = reader.Short();
    item.y = reader.Short();
    item.cx = reader.Short();
    item.cy = reader.Short();
    item.id = reader.Word();
    item.windowClass = reader.NameOrOrdinal();
    item.text = reader.NameOrOrdinal();
    item.extra = reader.Word();
    items.push_back(item);
  }
  EXPECT_TRUE(reader.ok());
  EXPECT_EQ(items, expected);
  EXPECT_LE(reader.offset(), size);
}

}  // namespace
