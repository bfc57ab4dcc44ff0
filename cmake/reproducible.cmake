# Byte-identical binaries from one commit wherever it is built: no build
# folder in the objects and no link time stamp in the Windows images. The
# debug and coverage builds keep full paths for debuggers and gcov.
if((WIN32 OR CMAKE_BUILD_TYPE STREQUAL "Release") AND NOT VPI_COVERAGE)
  add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
                      -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
endif()
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
