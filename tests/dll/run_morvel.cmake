# Runs morvel.exe (the host program loading the real Klarvo.dll) under Wine on a fresh copy of
# the sample company, and checks its exit code, its output and, when asked, the written files.
#   MORVEL, WINE_RUN, SAMPLE, WORK, COMMAND, ARGS (after the company folder, separated by
#   blanks), EXIT,
#   OUTPUT (a text the output or the errors must contain, optional), GOLDEN (folder of the
#   expected files, each compared with the written file of its name; optional), CHECK (klarvo-check, run on the written files when GOLDEN is
#   given), INI (the company's Klarvo.ini, with \n for a line end, optional)
separate_arguments(ARGS UNIX_COMMAND "${ARGS}")
file(REMOVE_RECURSE "${WORK}")
file(COPY "${SAMPLE}/" DESTINATION "${WORK}")
if(DEFINED INI)
    string(REPLACE "\\n" "\n" ini "${INI}")
    file(WRITE "${WORK}/Klarvo.ini" "${ini}")
endif()
execute_process(COMMAND "${WINE_RUN}" "${MORVEL}" ${COMMAND} "${WORK}" ${ARGS}
                RESULT_VARIABLE exit_code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}${errors}")
if(NOT exit_code STREQUAL "${EXIT}")
    message(FATAL_ERROR "morvel.exe ended with ${exit_code}, expected ${EXIT}")
endif()
if(DEFINED OUTPUT)
    string(FIND "${output}${errors}" "${OUTPUT}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the output does not say \"${OUTPUT}\"")
    endif()
endif()
if(DEFINED GOLDEN)
    # Every file the golden folder holds, and only those.
    file(GLOB goldens RELATIVE "${GOLDEN}" "${GOLDEN}/*")
    foreach(name IN LISTS goldens)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${name}" "${GOLDEN}/${name}"
                        RESULT_VARIABLE different)
        if(different)
            message(FATAL_ERROR "${name} differs from ${GOLDEN}/${name}")
        endif()
    endforeach()
    execute_process(COMMAND "${WINE_RUN}" "${CHECK}" "${WORK}" RESULT_VARIABLE check_code OUTPUT_VARIABLE check_output)
    message("${check_output}")
    if(NOT check_code EQUAL 0)
        message(FATAL_ERROR "klarvo-check finds the files unsound (${check_code})")
    endif()
endif()
