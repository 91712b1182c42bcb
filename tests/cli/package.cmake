# The manual page and --help list the same options; the Debian package made
# from this build tree installs what the program needs and passes lintian.
# Packaging a sanitizer build would test the wrong binaries.
add_test(NAME cli.manual_page_lists_the_options
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/cli/checks/manual_page_check.sh
                 $<TARGET_FILE:vendaro> ${PROJECT_BINARY_DIR}/data/vendaro.1)
set_tests_properties(cli.manual_page_lists_the_options PROPERTIES LABELS cli)

if(VENDARO_BUILD_APP AND NOT VENDARO_SANITIZE)
  add_test(NAME package.deb
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/cli/checks/package_check.sh
                   ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/test-config/package)
  set_tests_properties(package.deb PROPERTIES LABELS package TIMEOUT 300 SKIP_RETURN_CODE 77
    ENVIRONMENT "VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config")
endif()
