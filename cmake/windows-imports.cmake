# Fails when a Windows program imports a DLL that Windows itself does not bring, such as the
# runtime libraries of GCC, which the static link is meant to take in.
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -P windows-imports.cmake
cmake_minimum_required(VERSION 3.25)
# oleacc is Windows' own too, but no known DLL: the program loads it from the system's folder
# at run time, and only the tests' driver imports it.
set(system_dlls
    advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleacc oleaut32 shell32 shlwapi
    ucrtbase user32 uxtheme version winmm)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
foreach(import IN LISTS imports)
    string(REGEX REPLACE "DLL Name: (.+)\\.dll$" "\\1" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
        message(SEND_ERROR "${PROGRAM} needs ${dll}.dll, which Windows does not bring")
    endif()
endforeach()
