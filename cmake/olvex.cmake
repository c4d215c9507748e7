# olvex_sources(out dir recurse): every .cpp directly in dir, or (recurse) in dir and its subfolders.
function(olvex_sources out dir recurse)
  if(recurse)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
  else()
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp)
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# olvex_library(name dir [RECURSE] deps...): a static library from every .cpp directly in dir
# (RECURSE: in its subfolders too). A folder with no sources yet becomes an interface library so
# that dependents still link.
function(olvex_library name dir)
  cmake_parse_arguments(PARSE_ARGV 2 arg "RECURSE" "" "")
  olvex_sources(sources ${CMAKE_SOURCE_DIR}/${dir} ${arg_RECURSE})
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${arg_UNPARSED_ARGUMENTS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${arg_UNPARSED_ARGUMENTS})
  endif()
endfunction()

# olvex_tests(name dir [RECURSE] deps...): one GoogleTest executable from every .cpp in tests/dir
# (RECURSE: in its subfolders too).
function(olvex_tests name dir)
  cmake_parse_arguments(PARSE_ARGV 2 arg "RECURSE" "" "")
  olvex_sources(sources ${CMAKE_SOURCE_DIR}/tests/${dir} ${arg_RECURSE})
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE olvex_test_support ${arg_UNPARSED_ARGUMENTS} GTest::gtest
                        GTest::gtest_main)
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                       DISCOVERY_TIMEOUT 60)
endfunction()
