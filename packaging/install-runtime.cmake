# Installs the run-time folder of the build tree (build/bin, where everything the application
# needs is gathered) by rule, so that a new helper program or data folder needs no install line:
#   - the application, "clipmoor", into bin/;
#   - every other executable file (helper programs such as vantoro-dl) into lib/clipmoor/;
#   - everything else (style sheets, pictures, presets, pages) into share/clipmoor/, keeping
#     its sub folder.
# The application finds them relative to its own folder, so the installed tree can be moved.
# Expects CLIPMOOR_RUNTIME_DIR (set by the install rule that includes this file).
if(NOT IS_DIRECTORY "${CLIPMOOR_RUNTIME_DIR}")
    message(FATAL_ERROR "run-time folder ${CLIPMOOR_RUNTIME_DIR} not found: build first")
endif()
file(GLOB_RECURSE clipmoor_runtime_files RELATIVE "${CLIPMOOR_RUNTIME_DIR}"
    "${CLIPMOOR_RUNTIME_DIR}/*")
foreach(rel IN LISTS clipmoor_runtime_files)
    set(path "${CLIPMOOR_RUNTIME_DIR}/${rel}")
    get_filename_component(sub "${rel}" DIRECTORY)
    execute_process(COMMAND test -x "${path}" RESULT_VARIABLE not_executable)
    if(rel STREQUAL "clipmoor")
        file(INSTALL "${path}" DESTINATION "${CMAKE_INSTALL_PREFIX}/bin" USE_SOURCE_PERMISSIONS)
    elseif(sub STREQUAL "" AND not_executable EQUAL 0)
        file(INSTALL "${path}" DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/clipmoor"
            USE_SOURCE_PERMISSIONS)
    else()
        file(INSTALL "${path}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/clipmoor/${sub}"
            FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()
endforeach()
