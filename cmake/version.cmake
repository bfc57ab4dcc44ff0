# The product's one version, the project's own (project(... VERSION)), handed
# to the code as a generated header: vpi_version.h through the vpi_version
# target, and to the driver's VERSIONINFO resource.
set(VPI_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/templates/vpi_version.h.in
               ${VPI_GENERATED_DIR}/vpi_version.h @ONLY)

add_library(vpi_version INTERFACE)
target_include_directories(vpi_version INTERFACE ${VPI_GENERATED_DIR})

# The texts of the driver's VERSIONINFO resource (tests/release reads them back).
set(VPI_PRODUCT_NAME "VPIKDVTR")
set(VPI_FILE_DESCRIPTION "VPIKDVTR video-wall driver plug-in")
set(VPI_INTERNAL_NAME "VPIKDVTR")
set(VPI_ORIGINAL_FILENAME "VPIKDVTR.DLL")
