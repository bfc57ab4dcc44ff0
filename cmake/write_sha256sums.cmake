# Writes SHA256SUMS (sha256sum's format) over every file below VPI_SUMS_ROOT,
# as the package's last install step.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${VPI_SUMS_ROOT}" "${VPI_SUMS_ROOT}/*")
list(REMOVE_ITEM files SHA256SUMS)
list(SORT files)
set(lines "")
foreach(file ${files})
  file(SHA256 "${VPI_SUMS_ROOT}/${file}" hash)
  string(APPEND lines "${hash}  ${file}\n")
endforeach()
file(WRITE "${VPI_SUMS_ROOT}/SHA256SUMS" "${lines}")
list(LENGTH files count)
message(STATUS "Checksums of ${count} files: ${VPI_SUMS_ROOT}/SHA256SUMS")
