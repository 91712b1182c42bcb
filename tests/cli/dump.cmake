# The executable is tested as scripts use it: --dump on the start template
# and on a native file that is not a document.
add_test(NAME cli.dump_start_template
         COMMAND vendaro --dump ${VENDARO_PROGRAM_DIR}/normal.lpw)
set_tests_properties(cli.dump_start_template PROPERTIES
  PASS_REGULAR_EXPRESSION "\"FieldCount\": 7"
  ENVIRONMENT "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR};VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config" LABELS cli)

add_test(NAME cli.dump_refuses_a_bad_file
         COMMAND vendaro --dump ${PROJECT_SOURCE_DIR}/tests/fixtures/kein_dokument.lpx)
set_tests_properties(cli.dump_refuses_a_bad_file PROPERTIES
  WILL_FAIL TRUE ENVIRONMENT "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR};VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config" LABELS cli)

add_test(NAME cli.dump_message_is_german
         COMMAND vendaro --dump ${PROJECT_SOURCE_DIR}/tests/fixtures/kein_dokument.lpx)
set_tests_properties(cli.dump_message_is_german PROPERTIES
  PASS_REGULAR_EXPRESSION "Dies ist kein g.*ltiges Lumen-Praxiva Dokument!"
  ENVIRONMENT "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR};VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config" LABELS cli)

# Opening a document lays it out: the start template's lines have heights.
add_test(NAME cli.dump_shows_laid_out_lines
         COMMAND vendaro --dump ${VENDARO_PROGRAM_DIR}/normal.lpw)
set_tests_properties(cli.dump_shows_laid_out_lines PROPERTIES
  PASS_REGULAR_EXPRESSION "\"LineHeight\": [1-9]"
  ENVIRONMENT "VENDARO_PROGRAM_DIR=${VENDARO_PROGRAM_DIR};VENDARO_CONFIG_DIR=${CMAKE_BINARY_DIR}/test-config" LABELS cli)
