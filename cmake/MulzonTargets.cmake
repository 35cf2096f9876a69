# Shared settings for every target of the project.
add_library(mulzon_settings INTERFACE)
target_compile_options(mulzon_settings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wimplicit-fallthrough -Werror)
target_include_directories(mulzon_settings INTERFACE ${PROJECT_SOURCE_DIR}/src)
if(MULZON_SANITIZE)
  target_compile_options(mulzon_settings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(mulzon_settings INTERFACE -fsanitize=address,undefined)
endif()

# mulzon_core_library(NAME SOURCES ... DEPENDS ...): a static core library (standard library only).
function(mulzon_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC mulzon_settings ${ARG_DEPENDS})
endfunction()

# mulzon_test(NAME SOURCES ... DEPENDS ...): one GoogleTest program registered with CTest.
function(mulzon_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE mulzon_settings ${ARG_DEPENDS} mulzon_testsupport
                        GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "MULZON_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
