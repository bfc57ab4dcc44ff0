# Writes OUTPUT, a C++ source that holds the files of the web page as byte
# arrays and a table of them by URL path. Run as a script:
#   cmake -DOUTPUT=out.cpp -DPAGE_DIR=dir -DFILES="index.html;wall.js" -P embed_assets.cmake
function(content_type file result)
  get_filename_component(ext ${file} LAST_EXT)
  if(ext STREQUAL ".html")
    set(type "text/html; charset=utf-8")
  elseif(ext STREQUAL ".css")
    set(type "text/css; charset=utf-8")
  elseif(ext STREQUAL ".js")
    set(type "text/javascript; charset=utf-8")
  elseif(ext STREQUAL ".svg")
    set(type "image/svg+xml")
  else()
    message(FATAL_ERROR "no content type for ${file}")
  endif()
  set(${result} "${type}" PARENT_SCOPE)
endfunction()

set(arrays "")
set(table "")
set(index 0)
foreach(file ${FILES})
  file(READ ${PAGE_DIR}/${file} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
  content_type(${file} type)
  string(APPEND arrays "const unsigned char kAsset${index}[${size} + 1] = {\n    ${bytes}0};\n")
  string(APPEND table "    {\"/${file}\", \"${type}\", kAsset${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()

file(WRITE ${OUTPUT}.tmp
"// Generated from tools/rvsim-web/page by embed_assets.cmake; do not edit.
#include <cstring>

#include \"web_assets.h\"

namespace rvweb {
namespace {

${arrays}
const WebAsset kAssets[] = {
${table}};

}  // namespace

const WebAsset* FindWebAsset(const char* path) {
  if (std::strcmp(path, \"/\") == 0) path = \"/index.html\";
  for (const WebAsset& asset : kAssets) {
    if (std::strcmp(asset.path, path) == 0) return &asset;
  }
  return nullptr;
}

}  // namespace rvweb
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
