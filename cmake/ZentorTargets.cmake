# Helpers shared by every folder's CMakeLists.txt.

# Compile options every target of ours gets.
function(zentor_target_options target)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        return()
    endif()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(ZENTOR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(ZENTOR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# zentor_library(NAME <name> [QT] [DEPS <targets>...])
# Builds every .cpp of the calling folder (and its sub-folders) into the static
# library zentor_<name>; the folder's parent is on the include path, so headers
# are included as "platform/Trace.h". A folder without sources yet becomes an
# interface library, so the targets above it link unchanged.
function(zentor_library)
    cmake_parse_arguments(ARG "QT" "NAME" "DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER sources EXCLUDE REGEX ".*/main\\.cpp$")
    set(target zentor_${ARG_NAME})
    set(cpp ${sources})
    list(FILTER cpp INCLUDE REGEX ".*\\.cpp$")
    if(cpp)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${target} PUBLIC ${ARG_DEPS})
        if(ARG_QT)
            set_target_properties(${target} PROPERTIES AUTOMOC ON)
        endif()
        zentor_target_options(${target})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# zentor_test(NAME <name> [DEPS <targets>...])
# One GoogleTest executable per folder of tests: every .cpp of the calling
# folder. Tests run with the offscreen Qt platform and find the shared
# fixtures through ZENTOR_FIXTURES.
function(zentor_test)
    cmake_parse_arguments(ARG "" "NAME" "DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    set(target ${ARG_NAME}_tests)
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
    target_compile_definitions(${target} PRIVATE
        ZENTOR_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        ZENTOR_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared")
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    zentor_target_options(${target})
    gtest_discover_tests(${target}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
