# Header-only libraries from the system's packages (Boost.Asio/Beast,
# nlohmann-json) for both builds. The Windows build must not see the build
# machine's whole include folder, so both builds get a folder that holds just
# these libraries, as links to the installed headers.
set(VPI_HEADER_LIBS_DIR ${CMAKE_BINARY_DIR}/header-libs)
foreach(lib boost nlohmann)
  if(NOT EXISTS /usr/include/${lib})
    message(FATAL_ERROR "/usr/include/${lib} is missing: run scripts/setup")
  endif()
  file(MAKE_DIRECTORY ${VPI_HEADER_LIBS_DIR})
  file(CREATE_LINK /usr/include/${lib} ${VPI_HEADER_LIBS_DIR}/${lib} SYMBOLIC)
endforeach()

add_library(vpi_header_libs INTERFACE)
target_include_directories(vpi_header_libs SYSTEM INTERFACE ${VPI_HEADER_LIBS_DIR})
target_compile_definitions(vpi_header_libs INTERFACE BOOST_ASIO_NO_DEPRECATED)
if(WIN32)
  target_compile_definitions(vpi_header_libs INTERFACE _WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN)
  target_link_libraries(vpi_header_libs INTERFACE ws2_32 mswsock)
else()
  find_package(Threads REQUIRED)
  target_link_libraries(vpi_header_libs INTERFACE Threads::Threads)
endif()
