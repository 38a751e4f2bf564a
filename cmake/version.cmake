# The program's version is written in one place: project(VERSION) in CMakeLists.txt.
# Included from there, zomerita_version(${PROJECT_VERSION}) sets
#   ZOMERITA_VERSION_DOTTED  all four fields, a.b.c.d: the version record's binary
#                            version, the manifest's, the MSI's
#   ZOMERITA_VERSION_COMMAS  the same with commas, as the resource script writes it
#   ZOMERITA_VERSION_TEXT    the version record's text: the first field, a point and the
#                            second in two digits ("1.00" for 1.0.0.0, "1.01" for 1.1.0.0),
#                            then ".c" when the third or the fourth field is not 0, and ".d"
#                            when the fourth is not 0 (1.00.1 for 1.0.1.0, 1.00.0.1 for 1.0.0.1)
# Run as a script, cmake -P cmake/version.cmake, it reads project(VERSION) from
# CMakeLists.txt and prints the dotted version and the text, one a line (for the checks).

function(zomerita_version version)
    string(REPLACE "." ";" fields "${version}")
    list(LENGTH fields count)
    if(count GREATER 4 OR NOT version MATCHES "^[0-9]+(\\.[0-9]+)*$")
        message(FATAL_ERROR "project(VERSION ${version}): a version is one to four numbers")
    endif()
    while(count LESS 4)
        list(APPEND fields 0)
        math(EXPR count "${count} + 1")
    endwhile()
    set(numbers "")
    foreach(field IN LISTS fields)
        math(EXPR field "${field}")   # no leading zeros
        if(field GREATER 65535)
            message(FATAL_ERROR "project(VERSION ${version}): a version record holds numbers up to 65535")
        endif()
        list(APPEND numbers ${field})
    endforeach()
    list(GET numbers 0 major)
    list(GET numbers 1 minor)
    list(GET numbers 2 build)
    list(GET numbers 3 revision)
    if(minor LESS 10)
        set(minor "0${minor}")
    endif()
    set(text "${major}.${minor}")
    if(NOT build EQUAL 0 OR NOT revision EQUAL 0)
        string(APPEND text ".${build}")
    endif()
    if(NOT revision EQUAL 0)
        string(APPEND text ".${revision}")
    endif()
    list(JOIN numbers "." dotted)
    list(JOIN numbers ", " commas)
    set(ZOMERITA_VERSION_DOTTED "${dotted}" PARENT_SCOPE)
    set(ZOMERITA_VERSION_COMMAS "${commas}" PARENT_SCOPE)
    set(ZOMERITA_VERSION_TEXT "${text}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    file(READ "${CMAKE_CURRENT_LIST_DIR}/../CMakeLists.txt" project_file)
    if(NOT project_file MATCHES "project\\([^)]*[ \t\r\n]VERSION[ \t\r\n]+([0-9.]+)")
        message(FATAL_ERROR "CMakeLists.txt has no project(... VERSION ...)")
    endif()
    zomerita_version("${CMAKE_MATCH_1}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${ZOMERITA_VERSION_DOTTED}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${ZOMERITA_VERSION_TEXT}")
endif()
