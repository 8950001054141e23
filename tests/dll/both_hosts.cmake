# Generated companies exported by the native build and by both hosts of the Windows target: each
# host runs one day in which every company is made up in its folder, exported and kept; both files
# of each company and the messages shown must be the same on all three. Last, one with amounts of
# half a grosz, which the C runtimes' "%9.2f" would write apart.
#   NATIVE (the native build's morvel), MORVEL (morvel.exe), SECOND_HOST (morvel-msvc.exe),
#   WINE_RUN, SAMPLE (a company folder to start from), WORK, COMPANIES (how many)
if(NOT EXISTS "${NATIVE}")
    message(FATAL_ERROR "${NATIVE} is missing: build the native preset first, as tools/test-all does")
endif()
set(script "")
set(kept grosze)
foreach(company RANGE 1 ${COMPANIES})
    list(APPEND kept ${company})
    math(EXPR documents "1 + (${company} * 37) % 400")
    math(EXPR customers "2 + (${company} * 13) % 90")
    string(APPEND script "generate --documents ${documents} --customers ${customers} --seed ${company}\n"
                         "export --from 2024-01-01 --to 2024-12-31 --invoices --today 2025-01-02\n"
                         "keep kept/${company}\n")
endforeach()
string(APPEND script "generate --documents 5 --customers 3 --seed 999\n"
                     "add-document number=FV/G/1 date=2024-06-01 customer=1 amount_1=0.1 amount_2=0.025 amount_3=0.125\n"
                     "add-document number=FV/G/2 date=2024-06-02 customer=1 amount_1=2.1 amount_2=0.575 amount_3=2.675\n"
                     "add-document number=FV/G/3 date=2024-06-03 customer=1 amount_1=1000 amount_2=0.005 amount_3=1000.005\n"
                     "export --from 2024-06-01 --to 2024-06-30 --invoices --today 2025-01-02\n"
                     "keep kept/grosze\n")
set(hosts native morvel second-host)
set(programs "${NATIVE}" "${MORVEL}" "${SECOND_HOST}")
foreach(host program IN ZIP_LISTS hosts programs)
    set(folder "${WORK}/${host}")
    file(REMOVE_RECURSE "${folder}")
    file(COPY "${SAMPLE}/" DESTINATION "${folder}/company")
    file(WRITE "${folder}/day.txt" "${script}")
    if(host STREQUAL native)
        set(run "${program}")
    else()
        set(run "${WINE_RUN}" "${program}")
    endif()
    execute_process(COMMAND ${run} day "${folder}/company" "${folder}/day.txt" RESULT_VARIABLE code
                    OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "the day in ${host} ended with ${code}:\n${output}${errors}")
    endif()
    # The messages shown, without where each host kept the folders.
    string(REPLACE "\r" "" output "${output}")
    string(REGEX REPLACE "morvel day: the company folder kept in [^\n]*\n" "" output "${output}")
    set(shown_${host} "${output}")
endforeach()
foreach(host IN ITEMS morvel second-host)
    if(NOT shown_${host} STREQUAL shown_native)
        file(WRITE "${WORK}/${host}/shown.txt" "${shown_${host}}")
        file(WRITE "${WORK}/native/shown.txt" "${shown_native}")
        message(FATAL_ERROR "${host} showed other messages than the native build: compare ${WORK}/${host}/shown.txt with ${WORK}/native/shown.txt")
    endif()
    foreach(company IN LISTS kept)
        foreach(name IN ITEMS "!Fs_pln.fkw" "!Konta.fkx")
            execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${host}/kept/${company}/${name}"
                                    "${WORK}/native/kept/${company}/${name}" RESULT_VARIABLE different)
            if(different)
                message(FATAL_ERROR "company ${company}: ${name} of ${host} differs from the native build's")
            endif()
        endforeach()
    endforeach()
endforeach()
message("${COMPANIES} companies: both files and the messages the same in the native build, morvel.exe and morvel-msvc.exe")
