# The rows of a list, as the compiler's preprocessor expands it in HEADER: everything after the
# marker klarvo_def_begin, one row after each klarvo_def_row (a word, so that a row may hold any
# character but a semicolon). For the scripts that write a .def from a list.
#   klarvo_def_rows(HEADER OUT) with CXX (the compiler) and SOURCE (the source folder) set.
function(klarvo_def_rows header out)
    execute_process(COMMAND "${CXX}" -E -P -x c++ -std=c++20 "-I${SOURCE}" "${header}"
                    OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${header} does not preprocess")
    endif()
    string(FIND "${text}" "klarvo_def_begin" at REVERSE)
    string(SUBSTRING "${text}" ${at} -1 text)
    string(REPLACE "\n" " " text "${text}")
    string(REPLACE "klarvo_def_row" ";" rows "${text}")
    list(POP_FRONT rows)
    set(${out} "${rows}" PARENT_SCOPE)
endfunction()
