# Runs inside cpack after the files are staged: Debian keeps manual pages and the changelog
# compressed (the plain install keeps them readable as they are).
file(GLOB_RECURSE compressed_later
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/share/man/*.1"
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/share/doc/*/changelog")
foreach(file ${compressed_later})
    execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot compress ${file}")
    endif()
endforeach()
