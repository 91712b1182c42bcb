# One static library per core layer. Sources are picked up by folder so that a
# new unit needs no edit here; a layer without sources yet is an interface
# target so that its dependents link all the same.
function(vendaro_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;LIBRARIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  set(target vendaro_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    set(scope INTERFACE)
  endif()
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(${target} ${scope} vendaro_${dep})
  endforeach()
  if(ARG_LIBRARIES)
    target_link_libraries(${target} ${scope} ${ARG_LIBRARIES})
  endif()
endfunction()

# A test executable per layer, from tests/<layer>/*.cpp.
function(vendaro_layer_tests layer)
  cmake_parse_arguments(ARG "" "" "LIBRARIES;ENVIRONMENT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${layer}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target test_${layer})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE vendaro_${layer} vendaro_test_support ${ARG_LIBRARIES}
                        GTest::gtest GTest::gtest_main)
  set(environment "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR}" "VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config"
      ${ARG_ENVIRONMENT})
  # The discovered tests' properties pass through three list expansions
  # inside GoogleTest's discovery scripts; each eats a level of escaping, and
  # the variables must arrive as one value of ENVIRONMENT.
  string(REPLACE ";" "\\\\\\\\\\\\\\;" environment "${environment}")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
                       PROPERTIES LABELS ${layer} ENVIRONMENT "${environment}")
endfunction()
