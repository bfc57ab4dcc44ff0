# Hardening of the product's binaries: the strong stack protector, fortified
# string and memory functions where the build optimises, and on Windows the
# ASLR (dynamic base) and DEP (NX) flags. MinGW's protector library is linked
# statically; its guard comes from src/platform/win32/stack_guard_win32.cpp,
# so the driver imports no further DLL.
# VPI_HARDEN=OFF builds without them, to measure what they cost.
option(VPI_HARDEN "Stack protector and fortified functions in the driver" ON)

function(vpi_harden target)
  if(NOT VPI_HARDEN OR VPI_SANITIZE OR VPI_TSAN OR VPI_FUZZ OR VPI_COVERAGE)
    return()  # the instrumented builds check more than this already
  endif()
  # Level 2 also where the compiler sets a level of its own.
  set(optimised $<NOT:$<CONFIG:Debug>>)
  target_compile_options(${target} PRIVATE -fstack-protector-strong
    $<${optimised}:-U_FORTIFY_SOURCE> $<${optimised}:-D_FORTIFY_SOURCE=2>)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY" AND WIN32)
    # Programs linking the static core need the checking functions as well.
    target_link_libraries(${target} PUBLIC ssp)
  endif()
  if(type STREQUAL "OBJECT_LIBRARY" OR type STREQUAL "STATIC_LIBRARY")
    return()
  endif()
  target_link_options(${target} PRIVATE -fstack-protector-strong)
  if(WIN32)
    target_link_options(${target} PRIVATE -Wl,--dynamicbase -Wl,--nxcompat)
  else()
    target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now -Wl,-z,noexecstack)
  endif()
endfunction()
