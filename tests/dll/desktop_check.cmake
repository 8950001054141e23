# Runs klarvo-check.exe under Wine as Explorer starts it, with the export folder as its only
# argument and no console to write to (cmd sends its output to NUL): it writes the report beside
# the files in the user's language and shows its message box, which KLARVO_DESKTOP_LOG takes down
# in place of a person at the desktop.   CHECK, WINE_RUN, GOLDEN (the sample export's files), WORK
file(REMOVE_RECURSE "${WORK}")
file(COPY "${GOLDEN}/" DESTINATION "${WORK}/eksport")
function(windows_path variable path)
    string(REPLACE "/" "\\" path "${path}")
    set(${variable} "Z:${path}" PARENT_SCOPE)
endfunction()
windows_path(check "${CHECK}")
windows_path(folder "${WORK}/eksport")
windows_path(log "${WORK}/desktop.txt")
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=pl_PL.UTF-8 LANG=pl_PL.UTF-8
                        "${WINE_RUN}" cmd /c "set KLARVO_DESKTOP_LOG=${log}&& ${check} ${folder} >NUL 2>NUL"
                RESULT_VARIABLE exit_code OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT exit_code STREQUAL "0")
    message(FATAL_ERROR "klarvo-check.exe on the desktop ended with ${exit_code}: ${output}${errors}")
endif()
if(NOT EXISTS "${WORK}/eksport/Raport kontroli eksportu.html")
    message(FATAL_ERROR "no report beside the files in ${WORK}/eksport")
endif()
file(READ "${WORK}/desktop.txt" desktop)
message("${desktop}")
foreach(shown "open: ${folder}\\Raport kontroli eksportu.html"
              "box: Nie znaleziono błędów; przed importem przejrzyj 1 uwagę."
              "Raport zapisano w pliku ${folder}\\Raport kontroli eksportu.html.")
    string(FIND "${desktop}" "${shown}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the desktop was not shown \"${shown}\"")
    endif()
endforeach()
file(READ "${WORK}/eksport/Raport kontroli eksportu.html" page)
string(FIND "${page}" "<h1>Raport kontroli eksportu</h1>" found)
if(found EQUAL -1)
    message(FATAL_ERROR "the report is not the Polish page")
endif()
