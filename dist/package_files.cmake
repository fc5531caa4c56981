# Run by CPack on the files staged for the Debian package, before the package
# is built (CPACK_PRE_BUILD_SCRIPTS in dist/CMakeLists.txt): what Debian asks
# of a package and `cmake --install` has no need of. The manual pages are
# compressed with gzip -9n (no name, no time stamp); the copyright file and
# the changelog go to usr/share/doc/calorix/, the changelog compressed too.
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${usr}/bin/calorix-steam")
    message(FATAL_ERROR "the staged files are not in ${usr}")
endif()

set(doc "${usr}/share/doc/calorix")
file(MAKE_DIRECTORY "${doc}")
file(COPY_FILE "${CPACK_CALORIX_DIST_DIR}/copyright" "${doc}/copyright")
file(COPY_FILE "${CPACK_CALORIX_CHANGELOG}" "${doc}/changelog")
file(CHMOD "${doc}/copyright" "${doc}/changelog"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

file(GLOB pages "${usr}/share/man/man1/*.1")
foreach(file IN LISTS pages ITEMS "${doc}/changelog")
    execute_process(COMMAND gzip -9n "${file}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "gzip -9n ${file} failed: ${status}")
    endif()
endforeach()
