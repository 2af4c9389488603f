# The project's CMake helpers: one way to add folders, libraries and test programs.

# zorban_add_subdirectories([<folder>...]): adds the named subfolders, or else every subfolder in name order,
# that have a CMakeLists.txt of their own. A macro, so that what a folder sets with PARENT_SCOPE reaches the caller.
macro(zorban_add_subdirectories)
    set(_zorban_children ${ARGN})
    if(NOT _zorban_children)
        file(GLOB _zorban_children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
             ${CMAKE_CURRENT_SOURCE_DIR}/*)
        list(SORT _zorban_children)
    endif()
    foreach(_zorban_child ${_zorban_children})
        if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_zorban_child}
           AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_zorban_child}/CMakeLists.txt)
            add_subdirectory(${_zorban_child})
        endif()
    endforeach()
endmacro()

# zorban_include_root(<target> <visibility> <path>): gives <target> an include folder in which only the current
# source folder is seen, under <path> ("engine", "ui/core"), so "<path>/Header.h" is found and nothing else of the tree.
function(zorban_include_root target visibility path)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${path})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${path} SYMBOLIC)
    endif()
    target_include_directories(${target} ${visibility} ${root})
endfunction()

# zorban_library(<target> FOLDER <path> SOURCES <file>... [PUBLIC <lib>...] [PRIVATE <lib>...])
# A static library of the current folder. Its headers are reached as "<path>/Header.h" by itself and by what links
# it, and by nothing else: a library that includes a header of one it does not link does not compile.
function(zorban_library target)
    cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
    add_library(${target} STATIC ${ARG_SOURCES})
    zorban_include_root(${target} PUBLIC ${ARG_FOLDER})
    target_link_libraries(${target} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()

# zorban_program(<target> SOURCES <file>... [LIBS <lib>...] [FOLDER <output folder>])
# A program of the game folder (or of <output folder>), built from the current folder.
function(zorban_program target)
    cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;LIBS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS})
    if(NOT ARG_FOLDER)
        set(ARG_FOLDER ${ZORBAN_GAME_DIR})
    endif()
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ARG_FOLDER})
endfunction()

# zorban_test(<target> SOURCES <file>... LIBS <lib>... [PREFIX <test name prefix>] [LABELS <label>...])
# A GoogleTest program in the build's tests/ folder whose tests ctest finds when it runs; windows are offscreen.
# Test programs reach the shared test helpers as "tests/<area>/Helper.h".
function(zorban_test target)
    cmake_parse_arguments(ARG "" "PREFIX" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    target_include_directories(${target} PRIVATE ${ZORBAN_TESTS_INCLUDE})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    if(ARG_LABELS)
        list(APPEND properties LABELS "${ARG_LABELS}")
    endif()
    if(ARG_PREFIX)
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_PREFIX ${ARG_PREFIX} PROPERTIES ${properties})
    else()
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
    endif()
endfunction()
