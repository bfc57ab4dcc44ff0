# Where each part of the product is installed, by role. A folder declares the
# install of its own target in one line: vpi_install(<target> <role>).
#   driver     the driver library a host loads
#   simulator  the video server simulator: its library and its server
#   test-kit   the host console and the host stand-in, never for a host
# Windows package: one folder per role (the driver alone in driver/). Linux
# package: the programs and libraries together in lib/vpikdvtr (the console
# loads the others from beside itself), the programs linked into bin.
if(WIN32)
  set(VPI_INSTALL_DRIVER driver)
  set(VPI_INSTALL_SIMULATOR simulator)
  set(VPI_INSTALL_TEST_KIT test-kit)
  set(VPI_INSTALL_EXAMPLES examples)
  set(VPI_INSTALL_DOCS docs)
  set(VPI_INSTALL_TOP .)
else()
  set(VPI_INSTALL_DRIVER lib/vpikdvtr)
  set(VPI_INSTALL_SIMULATOR lib/vpikdvtr)
  set(VPI_INSTALL_TEST_KIT lib/vpikdvtr)
  set(VPI_INSTALL_EXAMPLES share/doc/vpikdvtr/examples)
  set(VPI_INSTALL_DOCS share/doc/vpikdvtr)
  set(VPI_INSTALL_TOP share/doc/vpikdvtr)
endif()

# The driver's and the simulator's folders as seen from the console's, for
# a console run from the unpacked package (empty: the same folder).
file(RELATIVE_PATH VPI_TEST_KIT_TO_DRIVER /pkg/${VPI_INSTALL_TEST_KIT} /pkg/${VPI_INSTALL_DRIVER})
file(RELATIVE_PATH VPI_TEST_KIT_TO_SIMULATOR /pkg/${VPI_INSTALL_TEST_KIT}
     /pkg/${VPI_INSTALL_SIMULATOR})

function(vpi_install target role)
  string(TOUPPER "${role}" key)
  string(REPLACE "-" "_" key "${key}")
  set(destination ${VPI_INSTALL_${key}})
  if(NOT destination)
    message(FATAL_ERROR "vpi_install(${target} ${role}): roles are driver, simulator, test-kit")
  endif()
  # The import library of a DLL is of no use to a host or a tester.
  install(TARGETS ${target}
          RUNTIME DESTINATION ${destination}
          LIBRARY DESTINATION ${destination}
          ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
  if(NOT WIN32)
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set(name $<TARGET_FILE_NAME:${target}>)
      file(RELATIVE_PATH link_target /pkg/bin /pkg/${destination})
      install(CODE "
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
        file(CREATE_LINK \"${link_target}/${name}\"
             \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${name}\" SYMBOLIC)")
    endif()
  endif()
endfunction()
