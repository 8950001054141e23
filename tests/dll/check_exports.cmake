# Klarvo.dll's export directory: named Klarvo.dll, ordinals 30001 to 30010, four functions
# (30001, 30008, 30009, 30010), no names.   OBJDUMP, DLL
execute_process(COMMAND "${OBJDUMP}" -p "${DLL}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${DLL}")
endif()
string(REGEX MATCH "The Export Tables.*\\[Ordinal/Name Pointer\\] Table" exports "${dump}")
message("${exports}")
foreach(expected
        "Name[ \t]+[0-9a-f]+ Klarvo.dll\n"
        "Ordinal Base[ \t]+30001\n"
        "Export Address Table[ \t]+0000000a\n"
        "\\[Name Pointer/Ordinal\\] Table[ \t]+00000000\n")
    if(NOT exports MATCHES "${expected}")
        message(FATAL_ERROR "the export directory lacks ${expected}")
    endif()
endforeach()
string(REGEX MATCHALL "\\+base\\[[0-9]+\\]" ordinals "${exports}")
if(NOT ordinals STREQUAL "+base[30001];+base[30008];+base[30009];+base[30010]")
    message(FATAL_ERROR "exported ordinals: ${ordinals}")
endif()
