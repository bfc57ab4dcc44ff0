# The two packages (scripts/package): from the Windows build a ZIP with the
# driver, the simulator, the test kit, the examples, the integrator guide,
# SHA256SUMS, the licence and the change log; from a Linux build a .deb of
# the commissioning tools. The binaries' own installs are in their folders
# (vpi_install, cmake/install_layout.cmake); this file runs after them.
install(FILES ${PROJECT_SOURCE_DIR}/examples/darAZO01.int ${PROJECT_SOURCE_DIR}/examples/tour.vpi
        DESTINATION ${VPI_INSTALL_EXAMPLES})
install(FILES ${PROJECT_SOURCE_DIR}/docs/integrator-guide.md
              ${PROJECT_SOURCE_DIR}/docs/browse-dialog.png
        DESTINATION ${VPI_INSTALL_DOCS})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/CHANGELOG.md
        DESTINATION ${VPI_INSTALL_TOP})

set(CPACK_PACKAGE_VENDOR "VPIKDVTR project")
set(CPACK_PACKAGE_CONTACT "VPIKDVTR project <vpikdvtr@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)

if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/tools/vpihost/NOT-FOR-A-HOST.txt
          DESTINATION ${VPI_INSTALL_TEST_KIT})
  # Last: the checksums of every file installed before.
  install(CODE "set(VPI_SUMS_ROOT \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")")
  install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/write_sha256sums.cmake)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME VPIKDVTR)
  set(CPACK_PACKAGE_FILE_NAME VPIKDVTR-${PROJECT_VERSION}-win32)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME vpikdvtr-tools)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "Commissioning tools for the VPIKDVTR video-wall driver\n The host console vpihost, the Linux driver library, the host stand-in, the\n video server simulator and its network server rvsimd, with the sample\n initialization file and tour.")
endif()
include(CPack)
