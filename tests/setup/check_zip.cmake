# Fails unless the zip holds quillmoor.exe alone, within its size, stripped of its debugging
# information and linked to the symbols file, which keeps them.
#   cmake -DZIP=<zip> -DOBJDUMP=<objdump> -DSYMBOLS=<quillmoor.debug> -P check_zip.cmake
cmake_minimum_required(VERSION 3.25)
set(largest_program 1500000)

set(unpacked ${CMAKE_CURRENT_BINARY_DIR}/unpacked-zip)
file(REMOVE_RECURSE ${unpacked})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${unpacked})
file(GLOB_RECURSE held LIST_DIRECTORIES true RELATIVE ${unpacked} ${unpacked}/*)
if(NOT held STREQUAL "quillmoor.exe")
    message(FATAL_ERROR "${ZIP} holds \"${held}\", not quillmoor.exe alone")
endif()
set(program ${unpacked}/quillmoor.exe)

file(SIZE ${program} size)
if(size GREATER largest_program)
    message(SEND_ERROR "the program takes ${size} bytes, more than ${largest_program}")
endif()

execute_process(COMMAND ${OBJDUMP} -h ${program} OUTPUT_VARIABLE sections
    COMMAND_ERROR_IS_FATAL ANY)
if(sections MATCHES "\\.debug_")
    message(SEND_ERROR "the program carries debugging information")
endif()
if(NOT sections MATCHES "\\.gnu_debuglink")
    message(SEND_ERROR "the program names no symbols file")
endif()
execute_process(COMMAND ${OBJDUMP} -h ${SYMBOLS} OUTPUT_VARIABLE sections
    COMMAND_ERROR_IS_FATAL ANY)
if(NOT sections MATCHES "\\.debug_info")
    message(SEND_ERROR "${SYMBOLS} holds no debugging information")
endif()
file(REMOVE_RECURSE ${unpacked})
