# Shared build settings and the one-library-per-folder helper.

add_library(zm_options INTERFACE)
target_compile_options(zm_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wcast-qual -Wformat=2 -Wimplicit-fallthrough -Wmissing-declarations)
if(ZM_WERROR)
  target_compile_options(zm_options INTERFACE -Werror)
endif()
if(ZM_SANITIZE)
  target_compile_options(zm_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(zm_options INTERFACE -fsanitize=address,undefined)
endif()

# zm_library(<folder> [DEPS targets...])
# Builds every .cpp of the current folder into zm_<folder>, except main.cpp.
function(zm_library name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(srcs)
    add_library(zm_${name} STATIC ${srcs} ${hdrs})
    target_include_directories(zm_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(zm_${name} PUBLIC zm_options ${A_DEPS})
  else()
    add_library(zm_${name} INTERFACE)
    target_include_directories(zm_${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(zm_${name} INTERFACE zm_options ${A_DEPS})
  endif()
endfunction()

# zm_test(<folder> DEPS targets... [QT])
# One test executable per source folder, every .cpp of the current test folder.
function(zm_test name)
  cmake_parse_arguments(A "QT" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(test_${name} ${srcs})
  set_target_properties(test_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZM_PROGRAM_DIR})
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  if(A_QT)
    target_link_libraries(test_${name} PRIVATE ${A_DEPS} zm_testsupport GTest::gtest GTest::gmock)
  else()
    target_link_libraries(test_${name} PRIVATE ${A_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 120)
endfunction()
