// The web page's files, built into the program (generated from page/ at build
// time), looked up by the URL path that serves them.
#pragma once

#include <cstddef>

namespace rvweb {

struct WebAsset {
  const char* path;         // "/index.html"
  const char* contentType;  // "text/html; charset=utf-8"
  const unsigned char* data;
  size_t size;
};

// The file served at `path` ("/" is the page itself), or null.
const WebAsset* FindWebAsset(const char* path);

}  // namespace rvweb
